// The feedback sound player against real audio: the tests start a PulseAudio daemon of their
// own with a null sink, record that sink's monitor while a call runs, and check that the whole
// sound came out and that the call lasted as long as the sound.

#include "scoring/feedback_sound.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>
#include <pulse/pulseaudio.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <thread>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr double kThreshold = 0.05;  // what counts as audible: 5 % of full scale
constexpr int kRecordRate = 48000;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// ---------------------------------------------------------------------------------------
// Small helpers: a temporary folder, an environment variable set for one scope, WAV files.

class TempDir {
public:
    TempDir()
    {
        std::string pattern = (fs::temp_directory_path() / "sound-test-XXXXXX").string();
        m_path = mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
    }
    ~TempDir()
    {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    std::string operator/(const std::string& name) const { return m_path + "/" + name; }
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : m_name(name)
    {
        if (const char* old = std::getenv(name)) {
            m_old = old;
        }
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv()
    {
        if (m_old) {
            setenv(m_name, m_old->c_str(), 1);
        } else {
            unsetenv(m_name);
        }
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

enum class Encoding { U8, S16, S24, F32 };
struct WavFormat {
    Encoding encoding;
    int rate;
    int channels;
};

void putLe(std::string& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.push_back(char((value >> (8 * i)) & 0xff));
    }
}

// A sine of `amplitude` (of full scale) on every channel, as a plain RIFF WAVE file.
std::string wavBytes(WavFormat format, double seconds, double freq = 440.0,
                     double amplitude = 0.5)
{
    const int bytes = format.encoding == Encoding::U8    ? 1
                      : format.encoding == Encoding::S16 ? 2
                      : format.encoding == Encoding::S24 ? 3
                                                         : 4;
    const auto frames = uint32_t(std::lround(seconds * format.rate));
    std::string data;
    for (uint32_t i = 0; i < frames; ++i) {
        const double v = amplitude * std::sin(2 * M_PI * freq * i / format.rate);
        for (int c = 0; c < format.channels; ++c) {
            switch (format.encoding) {
            case Encoding::U8: putLe(data, uint32_t(std::lround(128 + v * 127)), 1); break;
            case Encoding::S16: putLe(data, uint32_t(int32_t(std::lround(v * 32767))), 2); break;
            case Encoding::S24: putLe(data, uint32_t(int32_t(std::lround(v * 8388607))), 3); break;
            case Encoding::F32: {
                const float f = float(v);
                uint32_t raw = 0;
                std::memcpy(&raw, &f, 4);
                putLe(data, raw, 4);
                break;
            }
            }
        }
    }
    std::string out = "RIFF";
    putLe(out, uint32_t(36 + data.size()), 4);
    out += "WAVEfmt ";
    putLe(out, 16, 4);
    putLe(out, format.encoding == Encoding::F32 ? 3 : 1, 2);
    putLe(out, uint32_t(format.channels), 2);
    putLe(out, uint32_t(format.rate), 4);
    putLe(out, uint32_t(format.rate * format.channels * bytes), 4);
    putLe(out, uint32_t(format.channels * bytes), 2);
    putLe(out, uint32_t(8 * bytes), 2);
    out += "data";
    putLe(out, uint32_t(data.size()), 4);
    return out + data;
}

std::string writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

std::string writeWav(const std::string& path, WavFormat format, double seconds)
{
    return writeFile(path, wavBytes(format, seconds));
}

// From the first to the last audible sample of a mono signal, in seconds.
double audibleSpan(const std::vector<float>& mono, int rate)
{
    const auto loud = [](float s) { return std::fabs(s) > kThreshold; };
    const auto first = std::find_if(mono.begin(), mono.end(), loud);
    if (first == mono.end()) {
        return 0.0;
    }
    const auto last = std::find_if(mono.rbegin(), mono.rend(), loud);
    return double(std::distance(first, last.base())) / rate;
}

// The audible span of a sound file, mixed to mono as the recording is.
double audibleSpan(const DecodedSound& sound)
{
    std::vector<float> mono(size_t(sound.frames()));
    for (size_t i = 0; i < mono.size(); ++i) {
        for (int c = 0; c < sound.channels; ++c) {
            mono[i] += sound.samples[i * size_t(sound.channels) + size_t(c)] / sound.channels;
        }
    }
    return audibleSpan(mono, sound.rate);
}

// ---------------------------------------------------------------------------------------
// The test's own audio server and a recorder of its null sink.

// A PulseAudio daemon with one null sink, "testsink", that the sounds go to. The "keeper"
// loopback holds the sink's latency low; without it the null sink renders 2 s at a time and
// every call would take up to 2 s longer.
class TestServer {
public:
    bool start(std::string& why);
    void stop();
    pid_t pid() const { return m_pid; }
    std::string address() const { return "unix:" + m_dir / "native"; }

private:
    bool waitForSocket(std::string& why);

    TempDir m_dir;
    pid_t m_pid = -1;
};

bool TestServer::start(std::string& why)
{
    fs::create_directories(m_dir / "run");
    fs::create_directories(m_dir / "home");
    const std::vector<std::string> args = {
        "pulseaudio", "-n", "--daemonize=no", "--use-pid-file=no", "--exit-idle-time=-1",
        "--disallow-exit=yes", "--log-target=file:" + m_dir / "pulse.log",
        "-L", "module-null-sink sink_name=testsink rate=48000 channels=2",
        "-L", "module-null-sink sink_name=keeper",
        "-L", "module-loopback source=testsink.monitor sink=keeper latency_msec=20 "
              "source_dont_move=1 sink_dont_move=1",
        "-L", "module-native-protocol-unix auth-anonymous=1 auth-cookie-enabled=0 socket=" +
                  m_dir / "native"};
    // The daemon keeps its runtime and state files in the temp folder and talks to no
    // desktop session.
    std::vector<std::string> env = {"XDG_RUNTIME_DIR=" + m_dir / "run",
                                    "PULSE_RUNTIME_PATH=" + m_dir / "run",
                                    "PULSE_STATE_PATH=" + m_dir / "home",
                                    "HOME=" + m_dir / "home"};
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string_view entry = *e;
        static const char* const kDropped[] = {"PULSE_", "DBUS_SESSION_BUS_ADDRESS=",
                                               "DISPLAY=", "XDG_RUNTIME_DIR=", "HOME="};
        if (std::none_of(std::begin(kDropped), std::end(kDropped),
                         [&](const char* p) { return entry.starts_with(p); })) {
            env.emplace_back(entry);
        }
    }
    const auto pointers = [](std::vector<std::string>& strings) {
        std::vector<char*> out;
        for (std::string& s : strings) {
            out.push_back(s.data());
        }
        out.push_back(nullptr);
        return out;
    };
    std::vector<std::string> argStrings = args;
    std::vector<char*> argv = pointers(argStrings);
    std::vector<char*> envp = pointers(env);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    const std::string out = m_dir / "stdout.log";
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    const int error = posix_spawnp(&m_pid, "pulseaudio", &actions, nullptr, argv.data(),
                                   envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        m_pid = -1;
        why = std::string("cannot start pulseaudio: ") + std::strerror(error);
        return false;
    }
    if (!waitForSocket(why)) {
        stop();
        return false;
    }
    // The null sink's first 2 s block was rendered before the keeper could lower its
    // latency; let it drain once so it delays no call.
    std::this_thread::sleep_for(2100ms);
    return true;
}

bool TestServer::waitForSocket(std::string& why)
{
    const std::string socketPath = m_dir / "native";
    const Clock::time_point giveUp = Clock::now() + 5s;
    while (Clock::now() < giveUp) {
        int status = 0;
        if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1;
            why = "pulseaudio exited at start-up (see its log in " + m_dir.path() + ")";
            return false;
        }
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, socketPath.c_str(), sizeof(address.sun_path) - 1);
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        const bool up = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        close(fd);
        if (up) {
            return true;
        }
        std::this_thread::sleep_for(20ms);
    }
    why = "pulseaudio did not open its socket within 5 s";
    return false;
}

void TestServer::stop()
{
    if (m_pid <= 0) {
        return;
    }
    kill(m_pid, SIGCONT);  // in case a test stopped it and failed before resuming it
    kill(m_pid, SIGTERM);
    const Clock::time_point giveUp = Clock::now() + 3s;
    while (waitpid(m_pid, nullptr, WNOHANG) == 0) {
        if (Clock::now() > giveUp) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
            break;
        }
        std::this_thread::sleep_for(10ms);
    }
    m_pid = -1;
}

// Records testsink.monitor as 48 kHz mono float while it lives between start() and stop().
class MonitorRecorder {
public:
    MonitorRecorder() : m_loop(pa_threaded_mainloop_new()) {}
    ~MonitorRecorder() { stop(); }
    bool start();
    std::vector<float> stop();

private:
    bool waitUntil(const std::function<bool()>& ready);
    static void onRead(pa_stream* stream, size_t, void* self);

    pa_threaded_mainloop* m_loop;
    pa_context* m_context = nullptr;
    pa_stream* m_stream = nullptr;
    std::vector<float> m_samples;
};

bool MonitorRecorder::start()
{
    pa_threaded_mainloop_start(m_loop);
    pa_threaded_mainloop_lock(m_loop);
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_loop), "sound test recorder");
    pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
    bool ok = waitUntil([&] { return pa_context_get_state(m_context) == PA_CONTEXT_READY; });
    if (ok) {
        const pa_sample_spec spec{PA_SAMPLE_FLOAT32NE, kRecordRate, 1};
        m_stream = pa_stream_new(m_context, "monitor", &spec, nullptr);
        pa_stream_set_read_callback(m_stream, &MonitorRecorder::onRead, this);
        // Small fragments, or a short recording arrives late or not at all.
        const auto unset = uint32_t(-1);
        const pa_buffer_attr buffer{unset, unset, unset, unset,
                                    uint32_t(pa_usec_to_bytes(10000, &spec))};
        pa_stream_connect_record(m_stream, "testsink.monitor", &buffer,
                                 PA_STREAM_ADJUST_LATENCY);
        ok = waitUntil([&] { return pa_stream_get_state(m_stream) == PA_STREAM_READY; });
    }
    pa_threaded_mainloop_unlock(m_loop);
    return ok;
}

// Polls with the lock released, so the loop thread can move the states on.
bool MonitorRecorder::waitUntil(const std::function<bool()>& ready)
{
    const Clock::time_point giveUp = Clock::now() + 2s;
    while (!ready()) {
        if (Clock::now() > giveUp) {
            return false;
        }
        pa_threaded_mainloop_unlock(m_loop);
        std::this_thread::sleep_for(2ms);
        pa_threaded_mainloop_lock(m_loop);
    }
    return true;
}

void MonitorRecorder::onRead(pa_stream* stream, size_t, void* self)
{
    auto& samples = static_cast<MonitorRecorder*>(self)->m_samples;
    const void* data = nullptr;
    size_t bytes = 0;
    while (pa_stream_peek(stream, &data, &bytes) == 0 && bytes > 0) {
        const auto* first = static_cast<const float*>(data);
        if (first != nullptr) {
            samples.insert(samples.end(), first, first + bytes / sizeof(float));
        } else {
            samples.resize(samples.size() + bytes / sizeof(float), 0.0f);  // a hole
        }
        pa_stream_drop(stream);
    }
}

std::vector<float> MonitorRecorder::stop()
{
    if (m_loop == nullptr) {
        return {};
    }
    pa_threaded_mainloop_lock(m_loop);
    if (m_stream != nullptr) {
        pa_stream_set_read_callback(m_stream, nullptr, nullptr);
        pa_stream_disconnect(m_stream);
        pa_stream_unref(m_stream);
    }
    if (m_context != nullptr) {
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
    }
    pa_threaded_mainloop_unlock(m_loop);
    pa_threaded_mainloop_stop(m_loop);
    pa_threaded_mainloop_free(m_loop);
    m_loop = nullptr;
    return std::move(m_samples);
}

// What one call did: its outcome, how long it blocked, the recorded span and how many ticks
// of a 5 ms GUI timer were handled while it ran.
struct Heard {
    SoundOutcome outcome;
    double callSeconds;
    double spanSeconds;
    int ticksDuringCall;
    int ticksAfterwards;
};

Heard listen(const std::function<SoundOutcome()>& call)
{
    MonitorRecorder recorder;
    EXPECT_TRUE(recorder.start()) << "cannot record testsink.monitor";
    int ticks = 0;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start();

    const Clock::time_point start = Clock::now();
    const SoundOutcome outcome = call();
    const double callSeconds = secondsSince(start);
    const int ticksDuringCall = ticks;  // read before anything can handle an event

    // Let the end of the sound reach the monitor, then let the overdue timer fire once to
    // show it was armed all along.
    std::this_thread::sleep_for(120ms);
    QCoreApplication::processEvents();
    const double span = audibleSpan(recorder.stop(), kRecordRate);
    return {outcome, callSeconds, span, ticksDuringCall, ticks};
}

class SoundServerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_server = new TestServer;
        if (!s_server->start(s_whyNot)) {
            delete s_server;
            s_server = nullptr;
            return;
        }
        s_env = new ScopedEnv("PULSE_SERVER", s_server->address());
    }
    static void TearDownTestSuite()
    {
        delete s_env;
        s_env = nullptr;
        if (s_server != nullptr) {
            s_server->stop();
        }
        delete s_server;
        s_server = nullptr;
    }
    void SetUp() override
    {
        if (s_server == nullptr) {
            GTEST_SKIP() << s_whyNot;
        }
    }

    static TestServer* s_server;
    static ScopedEnv* s_env;
    static std::string s_whyNot;
    TempDir m_dir;
};

TestServer* SoundServerTest::s_server = nullptr;
ScopedEnv* SoundServerTest::s_env = nullptr;
std::string SoundServerTest::s_whyNot;

// ---------------------------------------------------------------------------------------
// With an audio server

TEST_F(SoundServerTest, EveryFormatPlaysToItsEndAndNoEventRunsMeanwhile)
{
    struct Case {
        std::string name;
        std::string file;
        std::function<SoundOutcome()> call;
    };
    const std::string soundDir = QCoreApplication::applicationDirPath().toStdString() + "/sound";
    std::vector<Case> cases = {
        {"playFeedback Right", soundDir + "/yes.wav", [] { return playFeedback(Verdict::Right); }},
        {"playFeedback Wrong", soundDir + "/no.wav", [] { return playFeedback(Verdict::Wrong); }},
    };
    const std::pair<std::string, WavFormat> formats[] = {
        {"s16 mono 44.1k", {Encoding::S16, 44100, 1}},
        {"s16 stereo 48k", {Encoding::S16, 48000, 2}},
        {"u8 mono 8k", {Encoding::U8, 8000, 1}},
        {"s24 stereo 96k", {Encoding::S24, 96000, 2}},
        {"f32 mono 44.1k", {Encoding::F32, 44100, 1}},
    };
    for (const auto& [name, format] : formats) {
        const std::string file = writeWav(m_dir / (name + ".wav"), format, 0.5);
        cases.push_back({name, file, [file] { return playSoundFile(file); }});
    }

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<DecodedSound> sound = decodeSoundFile(c.file);
        ASSERT_TRUE(sound.has_value()) << c.file;
        const Heard heard = listen(c.call);
        EXPECT_EQ(heard.outcome, SoundOutcome::PlayedFile);
        EXPECT_NEAR(heard.spanSeconds, audibleSpan(*sound), 0.030);
        EXPECT_GE(heard.callSeconds, sound->seconds() - 0.020);
        EXPECT_LT(heard.callSeconds, sound->seconds() + 0.250);
        EXPECT_EQ(heard.ticksDuringCall, 0);
        EXPECT_GT(heard.ticksAfterwards, 0) << "the timer never ran: the check above is void";
        std::printf("[ measured ] %-18s length %.3f s, call %.3f s, audible %.3f s, "
                    "heard %.3f s\n", c.name.c_str(), sound->seconds(), heard.callSeconds,
                    audibleSpan(*sound), heard.spanSeconds);
    }
}

TEST_F(SoundServerTest, UnreadableFilePlaysTheThemeAlertInstead)
{
    // A theme of the test's own whose bell lasts 0.25 s: a span of that length can only come
    // from the alert.
    const std::string stereo = m_dir / "data/sounds/freedesktop/stereo";
    fs::create_directories(stereo);
    fs::create_directories(m_dir / "emptyhome");
    writeWav(stereo + "/bell.wav", {Encoding::S16, 44100, 1}, 0.25);
    const ScopedEnv dataDirs("XDG_DATA_DIRS", m_dir / "data");
    const ScopedEnv dataHome("XDG_DATA_HOME", m_dir / "emptyhome");

    fs::create_directories(m_dir / "folder.wav");
    const std::pair<std::string, std::string> cases[] = {
        {"missing", m_dir / "missing.wav"},
        {"garbage", writeFile(m_dir / "garbage.wav", "this is not a sound\n")},
        {"directory", m_dir / "folder.wav"},
    };
    for (const auto& [name, path] : cases) {
        SCOPED_TRACE(name);
        const Heard heard = listen([&] { return playSoundFile(path); });
        EXPECT_EQ(heard.outcome, SoundOutcome::PlayedAlert);
        EXPECT_NEAR(heard.spanSeconds, 0.25, 0.030);
        EXPECT_GE(heard.callSeconds, 0.23);
        EXPECT_LT(heard.callSeconds, 0.50);
    }
}

// Runs after the tests that time real sound: a stopped server may upset the sink's timing.
TEST_F(SoundServerTest, StoppedServerCostsNoMoreThanTheDeadlines)
{
    const std::string file = writeWav(m_dir / "tone.wav", {Encoding::S16, 44100, 1}, 0.5);
    const SoundDeadlines shortDeadlines{500ms, 300ms};
    const pid_t server = s_server->pid();

    // Frozen before the call: the connection never completes.
    ASSERT_EQ(kill(server, SIGSTOP), 0);
    Clock::time_point start = Clock::now();
    EXPECT_EQ(playSoundFile(file, shortDeadlines), SoundOutcome::NoAudio);
    const double atConnect = secondsSince(start);
    kill(server, SIGCONT);
    EXPECT_GE(atConnect, 0.45);
    EXPECT_LT(atConnect, 0.5 + 0.3);

    // Frozen in the middle of the sound: writing and draining stop at length + margin.
    std::thread freezer([server] {
        std::this_thread::sleep_for(200ms);
        kill(server, SIGSTOP);
    });
    start = Clock::now();
    EXPECT_EQ(playSoundFile(file, shortDeadlines), SoundOutcome::NoAudio);
    const double midPlay = secondsSince(start);
    freezer.join();
    kill(server, SIGCONT);
    EXPECT_LT(midPlay, 0.5 + 0.3 + 0.3);

    // The server took no harm from the abandoned connections.
    const std::string blip = writeWav(m_dir / "blip.wav", {Encoding::S16, 44100, 1}, 0.1);
    EXPECT_EQ(playSoundFile(blip), SoundOutcome::PlayedFile);
    std::printf("[ measured ] stopped server: given up after %.3f s at connect, "
                "%.3f s mid-sound\n", atConnect, midPlay);
}

// ---------------------------------------------------------------------------------------
// Without an audio server

TEST(SoundWithoutServer, GivesUpAtOnceAndTriesNothingElse)
{
    TempDir dir;
    const ScopedEnv server("PULSE_SERVER", "unix:/nonexistent");
    // An alert is available, yet with no server it must not be tried either.
    const ScopedEnv dataDirs("XDG_DATA_DIRS", "/usr/share");
    const std::string tone = writeWav(dir / "tone.wav", {Encoding::S16, 44100, 1}, 0.5);
    for (const std::string& path : {tone, dir / "missing.wav"}) {
        SCOPED_TRACE(path);
        const Clock::time_point start = Clock::now();
        EXPECT_EQ(playSoundFile(path), SoundOutcome::NoAudio);
        EXPECT_LT(secondsSince(start), 0.050);
        std::printf("[ measured ] no server: gave up after %.4f s\n", secondsSince(start));
    }
}

TEST(SoundWithoutServer, WithNoThemeFileItBeepsAtOnce)
{
    TempDir dir;
    const ScopedEnv server("PULSE_SERVER", "unix:/nonexistent");
    const ScopedEnv dataHome("XDG_DATA_HOME", dir.path());
    const ScopedEnv dataDirs("XDG_DATA_DIRS", "/nonexistent");
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(playSoundFile(dir / "missing.wav"), SoundOutcome::Beeped);
    EXPECT_LT(secondsSince(start), 0.050);
}

TEST(SoundWithoutServer, AlertLookupFollowsTheThemeOrder)
{
    TempDir dir;
    const auto put = [&](const std::string& relative) {
        fs::create_directories(fs::path(dir / relative).parent_path());
        return writeFile(dir / relative, "x");
    };
    const std::string homeBell = put("home/sounds/freedesktop/stereo/bell.oga");
    const std::string sysWindowBell = put("sys/sounds/freedesktop/stereo/bell-window-system.wav");
    const std::string sysBellOga = put("sys/sounds/freedesktop/stereo/bell.oga");
    const std::string sysBellOgg = put("sys/sounds/freedesktop/stereo/bell.ogg");
    put("sys/sounds/freedesktop/stereo/dialog-error.oga");  // not an alert of ours
    put("sys/sounds/other-theme/stereo/bell.oga");          // not our theme
    const ScopedEnv dataHome("XDG_DATA_HOME", dir / "home");
    const ScopedEnv dataDirs("XDG_DATA_DIRS", "relative/dir::" + dir / "none" + ":" + dir / "sys");

    const std::vector<std::string> expected = {sysWindowBell, homeBell, sysBellOga, sysBellOgg};
    EXPECT_EQ(alertSoundCandidates(), expected);
}

TEST(SoundWithoutServer, DecoderReadsEveryFormatAndRefusesWhatIsNoSound)
{
    TempDir dir;
    const std::string valid = wavBytes({Encoding::S16, 44100, 1}, 0.5);
    fs::create_directories(dir / "folder.wav");

    struct Case {
        std::string name;
        std::string path;
        bool readable;
        WavFormat format{};
        long frames = 0;
    };
    const std::vector<Case> cases = {
        {"u8", writeWav(dir / "u8.wav", {Encoding::U8, 8000, 1}, 0.5), true,
         {Encoding::U8, 8000, 1}, 4000},
        {"s16", writeWav(dir / "s16.wav", {Encoding::S16, 48000, 2}, 0.5), true,
         {Encoding::S16, 48000, 2}, 24000},
        {"s24", writeWav(dir / "s24.wav", {Encoding::S24, 96000, 2}, 0.5), true,
         {Encoding::S24, 96000, 2}, 48000},
        {"f32", writeWav(dir / "f32.wav", {Encoding::F32, 44100, 1}, 0.5), true,
         {Encoding::F32, 44100, 1}, 22050},
        // Data cut short after a whole header cannot be told from a short sound.
        {"data cut short", writeFile(dir / "cut.wav", valid.substr(0, 44 + 2 * 441)), true,
         {Encoding::S16, 44100, 1}, 441},
        {"missing", dir / "missing.wav", false},
        {"empty", writeFile(dir / "empty.wav", ""), false},
        {"text", writeFile(dir / "text.wav", "RIFF? no, just words\n"), false},
        {"header cut short", writeFile(dir / "head.wav", valid.substr(0, 30)), false},
        {"directory", dir / "folder.wav", false},
        {"no frames", writeWav(dir / "silent.wav", {Encoding::S16, 44100, 1}, 0.0), false},
        {"9 channels", writeWav(dir / "nine.wav", {Encoding::S16, 8000, 9}, 0.1), false},
        {"31 s long", writeWav(dir / "long.wav", {Encoding::U8, 8000, 1}, 31.0), false},
        {"500 Hz rate", writeWav(dir / "slow.wav", {Encoding::S16, 500, 1}, 0.5), false},
        {"device", "/dev/zero", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<DecodedSound> sound = decodeSoundFile(c.path);
        ASSERT_EQ(sound.has_value(), c.readable);
        if (!sound) {
            continue;
        }
        EXPECT_EQ(sound->rate, c.format.rate);
        EXPECT_EQ(sound->channels, c.format.channels);
        EXPECT_EQ(sound->frames(), c.frames);
        // Every encoding comes out at the level it was written at (0.5 of full scale).
        const float peak = *std::max_element(sound->samples.begin(), sound->samples.end());
        EXPECT_NEAR(peak, 0.5, 0.01);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
