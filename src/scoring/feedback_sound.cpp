// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/feedback_sound.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QString>

#include <pulse/pulseaudio.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string_view>
#include <system_error>

// The sound is decoded whole with libsndfile, then handed to the audio server through
// libpulse's asynchronous API, waiting on the calling thread until the server has played it.
// The asynchronous API is used (not the simple one) because it lets every wait have a
// deadline: a stuck server must never freeze the program. PipeWire desktops speak the same
// protocol, so this one path serves both kinds of desktop.

namespace {

using Clock = std::chrono::steady_clock;

// Sample rates outside this range are not a feedback sound but a damaged header.
constexpr int kMinRate = 1000;
constexpr int kMaxRate = 192000;
constexpr sf_count_t kChunkFrames = 4096;

// How often the waiting thread wakes up to look at its deadline: pa_threaded_mainloop_wait
// itself has no timeout.
constexpr pa_usec_t kTickUsec = 20 * PA_USEC_PER_MSEC;
// A short server-side buffer, so the call ends close to the moment the sound does.
constexpr pa_usec_t kTargetLatencyUsec = 50 * PA_USEC_PER_MSEC;

enum class PlayResult { Played, NoServer, Timeout, StreamFailed };

// ---------------------------------------------------------------------------------------
// Decoding

struct SndFileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SndFilePtr = std::unique_ptr<SNDFILE, SndFileCloser>;

bool isRegularFile(const std::string& path)
{
    // Checked before opening: a directory or a FIFO given as the path must neither
    // confuse the decoder nor block the call.
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// Float files may carry anything; keep the samples to what a speaker can take.
float tame(float sample)
{
    if (!std::isfinite(sample)) {
        return 0.0f;
    }
    return std::clamp(sample, -1.0f, 1.0f);
}

// ---------------------------------------------------------------------------------------
// The XDG sound theme lookup

std::string envOr(const char* name, const std::string& fallback)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::string(value) : fallback;
}

// The folders that may hold a "sounds" folder, most personal first.
std::vector<std::string> soundDataFolders()
{
    std::vector<std::string> folders;
    const char* home = std::getenv("HOME");
    const std::string defaultHome =
        home != nullptr && *home != '\0' ? std::string(home) + "/.local/share" : std::string();
    const std::string dataHome = envOr("XDG_DATA_HOME", defaultHome);
    if (!dataHome.empty()) {
        folders.push_back(dataHome);
    }
    const std::string dataDirs = envOr("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
    std::string_view rest = dataDirs;
    while (!rest.empty()) {
        const size_t colon = rest.find(':');
        const std::string_view folder = rest.substr(0, colon);
        // Relative entries are not valid in these lists and are skipped.
        if (!folder.empty() && folder.front() == '/') {
            folders.emplace_back(folder);
        }
        rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
    }
    return folders;
}

// ---------------------------------------------------------------------------------------
// Playback

// One connection to the audio server for one sound. The whole object lives for one call:
// a fresh mainloop and context each time leaves nothing running between calls, and
// connecting costs only a millisecond or two. The destructor releases everything, whichever
// way play() ended.
class PulsePlayer {
public:
    explicit PulsePlayer(const SoundDeadlines& deadlines);
    ~PulsePlayer();
    PulsePlayer(const PulsePlayer&) = delete;
    PulsePlayer& operator=(const PulsePlayer&) = delete;

    PlayResult play(const DecodedSound& sound);

private:
    bool start();
    PlayResult connect(Clock::time_point deadline);
    PlayResult openStream(const DecodedSound& sound, Clock::time_point deadline);
    PlayResult writeAll(const DecodedSound& sound, Clock::time_point deadline);
    PlayResult drain(Clock::time_point deadline);
    // Why the stream can no longer play, or Played while it still can.
    PlayResult streamTrouble() const;
    // Gives the loop thread the lock until a callback or the next tick wakes us.
    void wait() { pa_threaded_mainloop_wait(m_loop); }

    static void wakeOnTick(pa_mainloop_api* api, pa_time_event* event, const timeval*, void* loop);
    static void wakeOnContext(pa_context*, void* loop) { wake(loop); }
    static void wakeOnStream(pa_stream*, void* loop) { wake(loop); }
    static void wakeOnWritable(pa_stream*, size_t, void* loop) { wake(loop); }
    static void wakeOnDrained(pa_stream*, int, void* loop) { wake(loop); }
    static void wake(void* loop)
    {
        pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0);
    }

    SoundDeadlines m_deadlines;
    pa_threaded_mainloop* m_loop = nullptr;
    pa_mainloop_api* m_api = nullptr;
    pa_time_event* m_tick = nullptr;
    pa_context* m_context = nullptr;
    pa_stream* m_stream = nullptr;
    bool m_locked = false;
};

PulsePlayer::PulsePlayer(const SoundDeadlines& deadlines)
    : m_deadlines(deadlines), m_loop(pa_threaded_mainloop_new())
{
}

PulsePlayer::~PulsePlayer()
{
    if (m_loop == nullptr) {
        return;
    }
    // Everything below runs with the lock held, so the loop thread touches none of it
    // meanwhile; the callbacks are cleared first so none fires into a half-freed player.
    if (m_stream != nullptr) {
        pa_stream_set_state_callback(m_stream, nullptr, nullptr);
        pa_stream_set_write_callback(m_stream, nullptr, nullptr);
        if (PA_STREAM_IS_GOOD(pa_stream_get_state(m_stream))) {
            pa_stream_disconnect(m_stream);
        }
        pa_stream_unref(m_stream);
    }
    if (m_tick != nullptr) {
        m_api->time_free(m_tick);
    }
    if (m_context != nullptr) {
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
    }
    if (m_locked) {
        pa_threaded_mainloop_unlock(m_loop);
    }
    pa_threaded_mainloop_stop(m_loop);
    pa_threaded_mainloop_free(m_loop);
}

PlayResult PulsePlayer::play(const DecodedSound& sound)
{
    if (!start()) {
        return PlayResult::NoServer;
    }
    const Clock::time_point readyBy = Clock::now() + m_deadlines.connect;
    PlayResult result = connect(readyBy);
    if (result == PlayResult::Played) {
        result = openStream(sound, readyBy);
    }
    if (result != PlayResult::Played) {
        return result;
    }
    const auto length =
        std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(sound.seconds()));
    const Clock::time_point heardBy = Clock::now() + length + m_deadlines.beyondLength;
    result = writeAll(sound, heardBy);
    return result == PlayResult::Played ? drain(heardBy) : result;
}

// Starts the loop thread and the tick that lets every wait check its deadline.
bool PulsePlayer::start()
{
    if (m_loop == nullptr || pa_threaded_mainloop_start(m_loop) < 0) {
        return false;
    }
    pa_threaded_mainloop_lock(m_loop);
    m_locked = true;
    m_api = pa_threaded_mainloop_get_api(m_loop);
    timeval due{};
    pa_timeval_add(pa_gettimeofday(&due), kTickUsec);
    m_tick = m_api->time_new(m_api, &due, &PulsePlayer::wakeOnTick, m_loop);
    m_context = pa_context_new(m_api, "qisma feedback");
    return m_tick != nullptr && m_context != nullptr;
}

void PulsePlayer::wakeOnTick(pa_mainloop_api* api, pa_time_event* event, const timeval*, void* loop)
{
    wake(loop);
    timeval due{};
    pa_timeval_add(pa_gettimeofday(&due), kTickUsec);
    api->time_restart(event, &due);
}

PlayResult PulsePlayer::connect(Clock::time_point deadline)
{
    pa_context_set_state_callback(m_context, &PulsePlayer::wakeOnContext, m_loop);
    // No autospawn: a desktop without a server gets the bell rather than a daemon started
    // behind its back that plays into nowhere.
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        return PlayResult::NoServer;
    }
    for (;;) {
        const pa_context_state_t state = pa_context_get_state(m_context);
        if (state == PA_CONTEXT_READY) {
            return PlayResult::Played;
        }
        if (!PA_CONTEXT_IS_GOOD(state)) {
            return PlayResult::NoServer;
        }
        if (Clock::now() >= deadline) {
            return PlayResult::Timeout;  // a server that accepts but never answers
        }
        wait();
    }
}

PlayResult PulsePlayer::openStream(const DecodedSound& sound, Clock::time_point deadline)
{
    // Every input format was decoded to float, so one sample format serves them all.
    const pa_sample_spec format{PA_SAMPLE_FLOAT32NE, uint32_t(sound.rate), uint8_t(sound.channels)};
    pa_channel_map map{};
    pa_channel_map_init_extend(&map, unsigned(sound.channels), PA_CHANNEL_MAP_DEFAULT);
    m_stream = pa_stream_new(m_context, "feedback", &format, &map);
    if (m_stream == nullptr) {
        return PlayResult::StreamFailed;
    }
    pa_stream_set_state_callback(m_stream, &PulsePlayer::wakeOnStream, m_loop);
    pa_stream_set_write_callback(m_stream, &PulsePlayer::wakeOnWritable, m_loop);

    const auto unset = uint32_t(-1);
    const pa_buffer_attr buffer{unset, uint32_t(pa_usec_to_bytes(kTargetLatencyUsec, &format)),
                                unset, unset, unset};
    if (pa_stream_connect_playback(m_stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr,
                                   nullptr) < 0) {
        return PlayResult::StreamFailed;
    }
    for (;;) {
        if (pa_stream_get_state(m_stream) == PA_STREAM_READY) {
            return PlayResult::Played;
        }
        // A server without any output device fails the stream here ("No such entity").
        if (const PlayResult trouble = streamTrouble(); trouble != PlayResult::Played) {
            return trouble;
        }
        if (Clock::now() >= deadline) {
            return PlayResult::Timeout;
        }
        wait();
    }
}

PlayResult PulsePlayer::streamTrouble() const
{
    if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(m_context))) {
        return PlayResult::NoServer;
    }
    if (!PA_STREAM_IS_GOOD(pa_stream_get_state(m_stream))) {
        return PlayResult::StreamFailed;
    }
    return PlayResult::Played;
}

// Feeds the sound as fast as the server takes it, in whole frames.
PlayResult PulsePlayer::writeAll(const DecodedSound& sound, Clock::time_point deadline)
{
    const size_t frameBytes = size_t(sound.channels) * sizeof(float);
    const char* data = reinterpret_cast<const char*>(sound.samples.data());
    size_t left = sound.samples.size() * sizeof(float);
    while (left > 0) {
        if (const PlayResult trouble = streamTrouble(); trouble != PlayResult::Played) {
            return trouble;
        }
        const size_t writable = pa_stream_writable_size(m_stream);
        if (writable == size_t(-1)) {
            return PlayResult::StreamFailed;
        }
        const size_t chunk = std::min(writable, left) / frameBytes * frameBytes;
        if (chunk == 0) {
            if (Clock::now() >= deadline) {
                return PlayResult::Timeout;  // the server stopped taking data mid-sound
            }
            wait();
            continue;
        }
        // libpulse copies the data, so the buffer stays ours.
        if (pa_stream_write(m_stream, data, chunk, nullptr, 0, PA_SEEK_RELATIVE) < 0) {
            return PlayResult::StreamFailed;
        }
        data += chunk;
        left -= chunk;
    }
    return PlayResult::Played;
}

// Waits until the server has played everything written; without this the call would return
// while the end of the sound is still in the server's buffer.
PlayResult PulsePlayer::drain(Clock::time_point deadline)
{
    pa_operation* operation = pa_stream_drain(m_stream, &PulsePlayer::wakeOnDrained, m_loop);
    if (operation == nullptr) {
        return PlayResult::StreamFailed;
    }
    PlayResult result = PlayResult::Played;
    while (pa_operation_get_state(operation) == PA_OPERATION_RUNNING) {
        if (Clock::now() >= deadline) {
            // No callback may come after the player is gone.
            pa_operation_cancel(operation);
            result = PlayResult::Timeout;
            break;
        }
        wait();
    }
    if (result == PlayResult::Played && pa_operation_get_state(operation) != PA_OPERATION_DONE) {
        result = streamTrouble() == PlayResult::NoServer ? PlayResult::NoServer
                                                         : PlayResult::StreamFailed;
    }
    pa_operation_unref(operation);
    return result;
}

// ---------------------------------------------------------------------------------------
// The chain: the file, else the desktop's alert sound, else a beep.

// The system's own signal, for whenever nothing could be played through the audio server.
SoundOutcome beepInstead()
{
    // QApplication::beep() needs the platform plugin, which only exists once a
    // QGuiApplication does. On X11 it rings the bell; elsewhere it may do nothing.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        QApplication::beep();
    }
    return SoundOutcome::Beeped;
}

SoundOutcome playChain(const std::string& path, const SoundDeadlines& deadlines)
{
    std::optional<DecodedSound> sound = decodeSoundFile(path);
    SoundOutcome outcome = SoundOutcome::PlayedFile;
    if (!sound) {
        outcome = SoundOutcome::PlayedAlert;
        for (const std::string& alert : alertSoundCandidates()) {
            if ((sound = decodeSoundFile(alert))) {
                break;
            }
        }
    }
    // One try only: whatever stopped this sound (no server, a stuck one, a refused stream)
    // would stop any other sound too, and a stuck server would cost its deadline again.
    if (sound && PulsePlayer(deadlines).play(*sound) == PlayResult::Played) {
        return outcome;
    }
    return beepInstead();
}

}  // namespace

std::optional<DecodedSound> decodeSoundFile(const std::string& path)
{
    if (!isRegularFile(path)) {
        return std::nullopt;
    }
    SF_INFO info{};
    const SndFilePtr file(sf_open(path.c_str(), SFM_READ, &info));
    if (!file || info.channels < 1 || info.channels > kMaxSoundChannels ||
        info.samplerate < kMinRate || info.samplerate > kMaxRate) {
        return std::nullopt;
    }
    DecodedSound sound;
    sound.rate = info.samplerate;
    sound.channels = info.channels;
    // A header that admits to a long sound is refused at once. Otherwise its frame count is
    // only a hint (it may be unknown, or larger than the data): the file is read in chunks up
    // to the limit, so memory grows only with data that is really there.
    const sf_count_t maxFrames = sf_count_t(kMaxSoundSeconds) * info.samplerate;
    if (info.frames > maxFrames && info.frames != SF_COUNT_MAX) {
        return std::nullopt;
    }
    std::vector<float> chunk(size_t(kChunkFrames) * size_t(info.channels));
    sf_count_t total = 0;
    for (;;) {
        const sf_count_t got = sf_readf_float(file.get(), chunk.data(), kChunkFrames);
        if (got <= 0) {
            break;
        }
        total += got;
        if (total > maxFrames) {
            return std::nullopt;
        }
        const auto end = chunk.begin() + std::ptrdiff_t(got * info.channels);
        std::transform(chunk.begin(), end, std::back_inserter(sound.samples), tame);
    }
    if (total == 0) {
        return std::nullopt;  // nothing to hear counts as unreadable
    }
    return sound;
}

std::vector<std::string> alertSoundCandidates()
{
    // The window-system bell is the event desktops map to "the alert sound"; plain "bell" is
    // its fallback by the sound naming rules. Only the freedesktop theme is searched: it is
    // the one every desktop falls back to, and the one the sound theme package installs.
    static const char* const kNames[] = {"bell-window-system", "bell"};
    static const char* const kExtensions[] = {".oga", ".ogg", ".wav"};
    const std::vector<std::string> folders = soundDataFolders();
    std::vector<std::string> found;
    for (const char* name : kNames) {
        for (const std::string& folder : folders) {
            for (const char* extension : kExtensions) {
                std::string path = folder + "/sounds/freedesktop/stereo/" + name + extension;
                if (isRegularFile(path)) {
                    found.push_back(std::move(path));
                }
            }
        }
    }
    return found;
}

SoundOutcome playSoundFile(const std::string& path, const SoundDeadlines& deadlines)
{
    // The program goes on whatever happens to its sound, so nothing may escape from here.
    try {
        return playChain(path, deadlines);
    } catch (...) {
        return beepInstead();
    }
}

SoundOutcome playSoundFile(const std::string& path)
{
    return playSoundFile(path, SoundDeadlines{});
}

SoundOutcome playFeedback(Verdict verdict)
{
    try {
        // The program folder as Qt gives it, then the sound's own part of the path.
        const QString path = QCoreApplication::applicationDirPath() +
                             (verdict == Verdict::Right ? "/sound/yes.wav" : "/sound/no.wav");
        return playSoundFile(QFile::encodeName(path).toStdString());
    } catch (...) {
        return beepInstead();
    }
}
