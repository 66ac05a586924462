// SPDX-License-Identifier: GPL-3.0-or-later
// The feedback sound player against real audio: the tests start a PulseAudio daemon of their
// own with a null sink, record that sink's monitor while a call runs, and check that the whole
// sound came out and that the call lasted as long as the sound.

#include "scoring/feedback_sound.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>
#include <pulse/pulseaudio.h>

#include <signal.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <future>
#include <numeric>
#include <ranges>
#include <thread>
#include <tuple>

namespace {

using namespace std::chrono_literals;
using Seconds = std::chrono::duration<double>;

// One temporary folder for the whole run; main() removes it.
std::string tmp(const std::string& name = "")
{
    static const std::string dir =
        mkdtemp((std::filesystem::temp_directory_path() / "sound-test-XXXXXX").string().data());
    return dir + "/" + name;
}

std::string writeFile(const std::string& name, const std::string& bytes)
{
    std::ofstream(tmp(name), std::ios::binary) << bytes;
    return tmp(name);
}

// The low n bytes of a number, little-endian as the fields of a WAV file are.
static_assert(std::endian::native == std::endian::little);
std::string le(uint32_t value, int n) { return {reinterpret_cast<char*>(&value), size_t(n)}; }

// The bytes of a PCM WAV file of a 440 Hz sine at half of full scale on every channel.
enum Encoding { U8 = 1, S16 = 2, S24 = 3 };  // the value is bytes per sample

std::string wav(Encoding encoding, int rate, int channels, double seconds)
{
    const int bytes = encoding, frame = channels * bytes;
    const double full = std::ldexp(1.0, 8 * bytes - 1) - 1;
    std::string data;
    for (long i = 0; i < std::lround(seconds * rate); ++i) {
        const long v = std::lround(0.5 * full * std::sin(2 * M_PI * 440.0 * double(i) / rate));
        for (int c = 0; c < channels; ++c) {
            data += le(uint32_t(v + (encoding == U8 ? 128 : 0)), bytes);  // u8 is unsigned
        }
    }
    return "RIFF" + le(uint32_t(36 + data.size()), 4) + "WAVEfmt " + le(16, 4) + le(1, 2) +
           le(channels, 2) + le(rate, 4) + le(rate * frame, 4) + le(frame, 2) + le(8 * bytes, 2) +
           "data" + le(uint32_t(data.size()), 4) + data;
}

// Makes the only sound theme a bell of the test's own, 0.25 s long unlike any other sound here.
// Like every environment variable a test sets, these stay set: each test sets what it needs.
void useOwnTheme()
{
    std::filesystem::create_directories(tmp("theme/sounds/freedesktop/stereo"));
    writeFile("theme/sounds/freedesktop/stereo/bell.wav", wav(S16, 44100, 1, 0.25));
    setenv("XDG_DATA_HOME", tmp("nothing").c_str(), 1);
    setenv("XDG_DATA_DIRS", tmp("theme").c_str(), 1);
}

// Plays the file and expects the beep instead.
void expectBeep(const std::string& path)
{
    EXPECT_EQ(playSoundFile(path), SoundOutcome::Beeped) << path;
}

// From the first to the last sample above 5 % of full scale, and the loudest sample.
struct Level { double span, peak; };

Level measure(const DecodedSound& sound)
{
    const auto loud = [](float s) { return std::fabs(s) > 0.05f; };
    const auto first = std::ranges::find_if(sound.samples, loud);
    const auto last = std::find_if(sound.samples.rbegin(), sound.samples.rend(), loud).base();
    const auto louder = [](double peak, float s) { return std::max(peak, double(std::fabs(s))); };
    return {std::max(0.0, double(last - first) / sound.channels / sound.rate),
            std::accumulate(sound.samples.begin(), sound.samples.end(), 0.0, louder)};
}

// Makes the call while recording testsink.monitor (mixed to 48 kHz mono) and a 5 ms GUI timer
// runs, and expects the outcome, the whole sound heard, the call to last as long as the sound
// and no tick to be handled during the call.
void expectHeard(const char* name, const auto& call, Level expected,
                 SoundOutcome outcome = SoundOutcome::PlayedFile)
{
    SCOPED_TRACE(name);
    std::vector<float> samples;
    pa_threaded_mainloop* loop = pa_threaded_mainloop_new();
    pa_threaded_mainloop_start(loop);
    pa_threaded_mainloop_lock(loop);
    pa_context* context = pa_context_new(pa_threaded_mainloop_get_api(loop), "recorder");
    pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
    const pa_sample_spec format{PA_SAMPLE_FLOAT32NE, 48000, 1};
    pa_stream* stream = pa_stream_new(context, "monitor", &format, nullptr);
    pa_stream_set_read_callback(stream, [](pa_stream* s, size_t, void* out) {
        const void* data = nullptr;
        size_t bytes = 0;
        while (pa_stream_peek(s, &data, &bytes) == 0 && bytes > 0) {
            auto& recorded = *static_cast<std::vector<float>*>(out);
            const auto* first = static_cast<const float*>(data);  // null for a hole: skipped
            recorded.insert(recorded.end(), first, first + (first ? bytes / sizeof(float) : 0));
            pa_stream_drop(s);
        }
    }, &samples);
    // 10 ms fragments: with the default 2 s ones a short recording comes out empty.
    const pa_buffer_attr buffer{~0u, ~0u, ~0u, ~0u, uint32_t(pa_usec_to_bytes(10000, &format))};
    const auto waitFor = [&](const auto& done) {
        for (int i = 0; i < 1000 && !done(); ++i) {  // the loop thread needs the lock meanwhile
            pa_threaded_mainloop_unlock(loop);
            std::this_thread::sleep_for(2ms);
            pa_threaded_mainloop_lock(loop);
        }
        return done();
    };
    EXPECT_TRUE(waitFor([&] { return pa_context_get_state(context) == PA_CONTEXT_READY; }) &&
        !pa_stream_connect_record(stream, "testsink.monitor", &buffer, PA_STREAM_ADJUST_LATENCY) &&
        waitFor([&] { return pa_stream_get_state(stream) == PA_STREAM_READY; }))
        << "cannot record testsink.monitor";
    pa_threaded_mainloop_unlock(loop);

    int ticks = 0;
    QTimer timer;
    timer.callOnTimeout([&] { ++ticks; });
    timer.start(5);
    const auto start = std::chrono::steady_clock::now();  // for the lower bound below
    EXPECT_EQ(call(), outcome);
    const Seconds took = std::chrono::steady_clock::now() - start;  // for the lower bound below
    EXPECT_EQ(ticks, 0) << "a GUI event was handled during the call";
    // Lower bound: the call lasts until the sound has been played, not only handed over.
    EXPECT_GE(took.count(), expected.span - 0.020) << "the call returned early";
    std::this_thread::sleep_for(120ms);  // until the end of the sound has reached the monitor
    QCoreApplication::processEvents();
    EXPECT_GT(ticks, 0) << "the timer never ran, so the check for no ticks was void";

    pa_threaded_mainloop_stop(loop);  // no callback runs from here on
    pa_stream_unref(stream);
    pa_context_unref(context);  // the last reference: it disconnects, and ends the stream
    pa_threaded_mainloop_free(loop);
    const Level heard = measure({samples, 48000, 1});
    EXPECT_NEAR(heard.span, expected.span, 0.030);
    EXPECT_NEAR(heard.peak, expected.peak, 0.030);
}

// A PulseAudio daemon with the null sink "testsink". The "keeper" loopback holds the sink's
// latency low; without it the null sink renders 2 s at a time and delays every call.
// Only where pulseaudio is not installed are the tests skipped (a PipeWire desktop); where it is
// installed, as the test set-up does on a machine without PipeWire, a daemon that fails to start
// fails them.
class SoundServerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const std::string dir = tmp("server"), socket = dir + "/native";
        // Its runtime and state files go to the temp folder, away from any desktop session. It
        // goes into the background once it is ready, leaving its process id in pulse/pid.
        const std::string command =
            "mkdir " + dir + " && env -i PATH=\"$PATH\" XDG_RUNTIME_DIR=" + dir + " HOME=" + dir +
            " pulseaudio -D -n --exit-idle-time=-1 --log-target=file:" + dir + "/out.log"
            " -L 'module-null-sink sink_name=testsink rate=48000 channels=2'"
            " -L 'module-null-sink sink_name=keeper'"
            " -L 'module-loopback source=testsink.monitor sink=keeper latency_msec=20'"
            " -L 'module-native-protocol-unix auth-anonymous=1 auth-cookie-enabled=0 socket=" +
            socket + "' 2>>" + dir + "/out.log";
        if (std::system(command.c_str()) == 0 && std::filesystem::exists(socket)) {
            std::ifstream(dir + "/pulse/pid") >> s_pid;
            setenv("PULSE_SERVER", ("unix:" + socket).c_str(), 1);
            // The sink's first 2 s block was rendered before the keeper lowered its latency.
            std::this_thread::sleep_for(2100ms);
        }
    }
    static void TearDownTestSuite()
    {
        if (s_pid > 0) {
            kill(s_pid, SIGKILL);
        }
        s_pid = -1;  // a repeated run starts a daemon of its own
        std::filesystem::remove_all(tmp("server"));
    }
    void SetUp() override
    {
        if (std::system("command -v pulseaudio >/dev/null") != 0) {
            // A PipeWire desktop has no PulseAudio daemon to start, and the test set-up does
            // not install one beside PipeWire.
            GTEST_SKIP() << (std::system("command -v pipewire-pulse >/dev/null") == 0
                                 ? "skipped: this machine's sound server is PipeWire "
                                   "(pipewire-pulse) and these tests start a private PulseAudio "
                                   "daemon; install pulseaudio to run them"
                                 : "skipped: pulseaudio is not installed");
        }
        ASSERT_GT(s_pid, 0) << "pulseaudio is installed but did not start:\n"
                            << std::ifstream(tmp("server/out.log")).rdbuf();
    }

    static inline pid_t s_pid = -1;
};

TEST_F(SoundServerTest, EveryFormatPlaysWholeAndNoEventRunsMeanwhile)
{
    // Our own two sounds, expected as they decode, and tones of 0.5 s at half scale.
    const std::string folder = QCoreApplication::applicationDirPath().toStdString() + "/sound/";
    for (const auto& [verdict, name] : {std::pair{Verdict::Right, "yes"}, {Verdict::Wrong, "no"}}) {
        expectHeard(name, [v = verdict] { return playFeedback(v); },
                    measure(decodeSoundFile(folder + name + ".wav").value()));
    }
    for (const auto& [name, encoding, rate, channels] :
         {std::tuple{"s16 stereo 48k", S16, 48000, 2}, {"u8 mono 8k", U8, 8000, 1},
          {"s24 stereo 96k", S24, 96000, 2}}) {
        const std::string file = writeFile(name, wav(encoding, rate, channels, 0.5));
        expectHeard(name, [&] { return playSoundFile(file); }, {0.5, 0.5});
    }
}

TEST_F(SoundServerTest, UnreadableFilePlaysTheThemeAlertOrElseBeeps)
{
    useOwnTheme();
    expectHeard("not a sound", [f = writeFile("bad.wav", "no sound")] { return playSoundFile(f); },
                {0.25, 0.5}, SoundOutcome::PlayedAlert);
    setenv("XDG_DATA_DIRS", tmp("nothing").c_str(), 1);
    expectBeep(tmp("missing.wav"));
}

// What a teacher may leave in the sound folder: the folder gone or empty, a file cut short
// in its header or in its samples, a file that is no sound at all.
struct BadSoundFile { const char* what; std::string path; bool partlyPlayable; };

std::vector<BadSoundFile> badSoundFiles()
{
    const std::string tone = wav(S16, 44100, 1, 0.5);
    std::filesystem::create_directories(tmp("empty"));
    return {{"no folder", tmp("gone/yes.wav"), false},
            {"empty folder", tmp("empty/yes.wav"), false},
            {"cut in the header", writeFile("header.wav", tone.substr(0, 30)), false},
            {"cut after half its samples", writeFile("half.wav", tone.substr(0, 44 + (tone.size() - 44) / 2)), true},
            {"a picture", writeFile("picture.wav", "\x89PNG\r\n\x1a\n" + std::string(64, '\0')), false}};
}

TEST_F(SoundServerTest, ABadSoundFolderGivesTheAlertOrWhatTheFileHolds)
{
    useOwnTheme();
    for (const BadSoundFile& bad : badSoundFiles()) {
        const auto play = [&] { return playSoundFile(bad.path); };
        if (bad.partlyPlayable)
            expectHeard(bad.what, play, {0.25, 0.5});
        else
            expectHeard(bad.what, play, {0.25, 0.5}, SoundOutcome::PlayedAlert);
    }
}

// Last of the suite: a stopped server may upset the sink's timing for the tests after it.
TEST_F(SoundServerTest, StoppedServerCostsNoMoreThanTheDeadlines)
{
    // Stopped before the call, the call gives up after the connect deadline and beeps. Stopped
    // while a 1 s sound is written, or drained, it gives up after the sound's length plus the
    // margin: 1.8 s at most in all. It runs on a thread of its own, so that a call that hangs
    // fails the test. A stop that comes late, after the sound, lets the sound end as usual.
    const auto play = [tone = writeFile("tone.wav", wav(S16, 44100, 1, 1))] {
        auto call = std::async(std::launch::async,
                               [&] { return playSoundFile(tone, {500ms, 300ms}); });
        // Hang bound: 10 s, more than five times the 1.8 s the call may take.
        EXPECT_EQ(call.wait_for(10s), std::future_status::ready) << "the call hangs";  // hang bound
        kill(s_pid, SIGCONT);  // lets a call that hangs come back
        return call.get();
    };
    kill(s_pid, SIGSTOP);
    EXPECT_EQ(play(), SoundOutcome::Beeped);
    for (const auto after : {200ms, 980ms}) {
        std::thread stopper([after] { std::this_thread::sleep_for(after); kill(s_pid, SIGSTOP); });
        play();
        stopper.join();
        kill(s_pid, SIGCONT);
    }
}

TEST(SoundWithoutServer, GivesUpAndBeeps)
{
    setenv("PULSE_SERVER", "unix:/nonexistent", 1);
    useOwnTheme();
    expectBeep(writeFile("tone.wav", wav(S16, 44100, 1, 0.5)));
    expectBeep(tmp("missing.wav"));
    for (const auto& bad : badSoundFiles())
        expectBeep(bad.path);
}

TEST(SoundWithoutServer, DecoderRefusesWhatCannotBeAFeedbackSound)
{
    // The most channels and the longest sound there may be, then text, a sound with no frames,
    // a channel more, a second longer and a rate of 500 Hz.
    EXPECT_TRUE(decodeSoundFile(writeFile("most.wav", wav(S16, 8000, kMaxSoundChannels, 0.1))));
    EXPECT_TRUE(decodeSoundFile(writeFile("longest.wav", wav(U8, 8000, 1, kMaxSoundSeconds))));
    for (const std::string& path : {writeFile("text.wav", "RIFF? no, just words\n"),
         writeFile("empty.wav", wav(S16, 8000, 1, 0)), writeFile("slow.wav", wav(S16, 500, 1, 0.5)),
         writeFile("many.wav", wav(U8, 8000, kMaxSoundChannels + 1, 0.1)),
         writeFile("long.wav", wav(U8, 8000, 1, kMaxSoundSeconds + 1))}) {
        EXPECT_FALSE(decodeSoundFile(path)) << path;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    // Nothing of the caller's session may reach the player, libpulse or Qt: no server, sink,
    // latency, cookie or client.conf of its own (PULSE_*, and the X display's properties), no
    // sound theme and no platform but offscreen. What they keep goes to the test's own folder.
    std::vector<std::string> names;  // unset afterwards: unsetenv moves the entries of environ
    for (char** entry = environ; *entry != nullptr; ++entry)
        names.emplace_back(*entry, std::strcspn(*entry, "="));
    for (const std::string& name : names)
        if (name.starts_with("PULSE_") || name == "DISPLAY" || name == "WAYLAND_DISPLAY")
            unsetenv(name.c_str());
    for (const auto& [name, value] :
         {std::pair{"QT_QPA_PLATFORM", std::string("offscreen")}, {"HOME", tmp()},
          {"XDG_CONFIG_HOME", tmp()}, {"XDG_RUNTIME_DIR", tmp()},  // mkdtemp made it private
          {"XDG_DATA_HOME", tmp("nothing")}, {"XDG_DATA_DIRS", tmp("nothing")},
          {"PULSE_CLIENTCONFIG", writeFile("client.conf", "")}})
        setenv(name, value.c_str(), 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    std::filesystem::remove_all(tmp());
    return result;
}
