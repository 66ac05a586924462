// The feedback sound player against real audio: the tests start a PulseAudio daemon of their
// own with a null sink, record that sink's monitor while a call runs, and check that the whole
// sound came out and that the call lasted as long as the sound.

#include "scoring/feedback_sound.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>
#include <pulse/pulseaudio.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>
#include <tuple>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// One temporary folder for the whole run; main() removes it.
std::string tmp(const std::string& name = "")
{
    static const std::string dir =
        mkdtemp((fs::temp_directory_path() / "sound-test-XXXXXX").string().data());
    return dir + "/" + name;
}

std::string writeFile(const std::string& name, const std::string& bytes)
{
    std::ofstream(tmp(name), std::ios::binary) << bytes;
    return tmp(name);
}

// The bytes of a PCM WAV file of a 440 Hz sine at half of full scale on every channel.
enum Encoding { U8 = 1, S16 = 2, S24 = 3 };  // the value is bytes per sample

std::string wav(Encoding encoding, int rate, int channels, double seconds)
{
    const auto le = [](uint32_t value, int bytes) {  // WAV fields are little-endian, as we are
        static_assert(std::endian::native == std::endian::little);
        return std::string(reinterpret_cast<const char*>(&value), size_t(bytes));
    };
    const int bytes = int(encoding);
    std::string data;
    for (long i = 0; i < std::lround(seconds * rate); ++i) {
        const double v = 0.5 * std::sin(2 * M_PI * 440.0 * double(i) / rate);
        const auto raw = uint32_t(std::lround(v * (std::ldexp(1.0, 8 * bytes - 1) - 1)) +
                                  (encoding == U8 ? 128 : 0));  // u8 is unsigned
        for (int c = 0; c < channels; ++c) {
            data += le(raw, bytes);
        }
    }
    const int frameBytes = channels * bytes;
    return "RIFF" + le(uint32_t(36 + data.size()), 4) + "WAVEfmt " + le(16, 4) +
           le(1, 2) + le(channels, 2) + le(rate, 4) +
           le(rate * frameBytes, 4) + le(frameBytes, 2) + le(8 * bytes, 2) + "data" +
           le(uint32_t(data.size()), 4) + data;
}

// Makes the only sound theme a bell of the test's own, 0.25 s long unlike any other sound here.
// Like every environment variable a test sets, these stay set: each test sets what it needs.
void useOwnTheme()
{
    fs::create_directories(tmp("theme/sounds/freedesktop/stereo"));
    writeFile("theme/sounds/freedesktop/stereo/bell.wav", wav(S16, 44100, 1, 0.25));
    setenv("XDG_DATA_HOME", tmp("nothing").c_str(), 1);
    setenv("XDG_DATA_DIRS", tmp("theme").c_str(), 1);
}

// From the first to the last sample above 5 % of full scale, and the loudest sample.
struct Level { double span, peak; };

Level measure(const std::vector<float>& samples, int rate, int channels = 1)
{
    const auto loud = [](float s) { return std::fabs(s) > 0.05f; };
    const auto first = std::find_if(samples.begin(), samples.end(), loud);
    const auto last = std::find_if(samples.rbegin(), samples.rend(), loud).base();
    const auto quieter = [](float a, float b) { return std::fabs(a) < std::fabs(b); };
    const auto peak = std::max_element(samples.begin(), samples.end(), quieter);
    return {std::max(0.0, double(last - first) / channels / rate),
            peak == samples.end() ? 0.0 : std::fabs(*peak)};
}

// Makes the call while recording testsink.monitor (mixed to 48 kHz mono) and a 5 ms GUI timer
// runs; no tick may be handled during the call.
struct Heard { SoundOutcome outcome; double callSeconds; Level level; };

Heard listen(const std::function<SoundOutcome()>& call)
{
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
    const auto waitFor = [&](const std::function<bool()>& done) {
        for (int i = 0; i < 1000 && !done(); ++i) {  // the loop thread needs the lock meanwhile
            pa_threaded_mainloop_unlock(loop);
            std::this_thread::sleep_for(2ms);
            pa_threaded_mainloop_lock(loop);
        }
        return done();
    };
    EXPECT_TRUE(
        waitFor([&] { return pa_context_get_state(context) == PA_CONTEXT_READY; }) &&
        !pa_stream_connect_record(stream, "testsink.monitor", &buffer, PA_STREAM_ADJUST_LATENCY) &&
        waitFor([&] { return pa_stream_get_state(stream) == PA_STREAM_READY; }))
        << "cannot record testsink.monitor";
    pa_threaded_mainloop_unlock(loop);

    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(5);
    const Clock::time_point start = Clock::now();
    const SoundOutcome outcome = call();
    const double callSeconds = secondsSince(start);
    EXPECT_EQ(ticks, 0) << "a GUI event was handled during the call";
    std::this_thread::sleep_for(120ms);  // until the end of the sound has reached the monitor
    QCoreApplication::processEvents();
    EXPECT_GT(ticks, 0) << "the timer never ran, so the check for no ticks was void";

    pa_threaded_mainloop_stop(loop);  // no callback runs from here on
    pa_stream_unref(stream);  // disconnecting the context ends the stream
    pa_context_disconnect(context);
    pa_context_unref(context);
    pa_threaded_mainloop_free(loop);
    return {outcome, callSeconds, measure(samples, 48000)};
}

// A PulseAudio daemon with the null sink "testsink". The "keeper" loopback holds the sink's
// latency low; without it the null sink renders 2 s at a time and delays every call.
// Only where pulseaudio is not installed are the tests skipped; a daemon that fails to start
// fails them.
class SoundServerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_installed = std::system("command -v pulseaudio >/dev/null") == 0;
        if (!s_installed) {
            return;
        }
        const std::string dir = tmp("server");
        const std::string socket = dir + "/native";
        fs::create_directories(dir);
        // Its runtime and state files go to the temp folder, away from any desktop session.
        const std::string command =
            "exec env -i PATH=\"$PATH\" XDG_RUNTIME_DIR=" + dir + " HOME=" + dir +
            " pulseaudio -n --daemonize=no --exit-idle-time=-1 --log-target=stderr"
            " -L 'module-null-sink sink_name=testsink rate=48000 channels=2'"
            " -L 'module-null-sink sink_name=keeper'"
            " -L 'module-loopback source=testsink.monitor sink=keeper latency_msec=20'"
            " -L 'module-native-protocol-unix auth-anonymous=1 auth-cookie-enabled=0 socket=" +
            socket + "' >" + dir + "/out.log 2>&1";
        const char* argv[] = {"sh", "-c", command.c_str(), nullptr};
        if (posix_spawn(&s_pid, "/bin/sh", nullptr, nullptr, const_cast<char**>(argv), environ)) {
            s_pid = -1;
        }
        for (int i = 0; s_pid > 0 && i < 250 && !fs::exists(socket); ++i) {
            std::this_thread::sleep_for(20ms);
            if (waitpid(s_pid, nullptr, WNOHANG) == s_pid) {
                s_pid = -1;  // it exited
            }
        }
        if (s_pid < 0 || !fs::exists(socket)) {
            TearDownTestSuite();
            return;
        }
        setenv("PULSE_SERVER", ("unix:" + socket).c_str(), 1);
        // The sink's first 2 s block was rendered before the keeper lowered its latency.
        std::this_thread::sleep_for(2100ms);
    }
    static void TearDownTestSuite()
    {
        if (s_pid > 0 && kill(s_pid, SIGKILL) == 0) {
            waitpid(s_pid, nullptr, 0);
        }
        s_pid = -1;
    }
    void SetUp() override
    {
        if (!s_installed) {
            GTEST_SKIP() << "pulseaudio is not installed";
        }
        if (s_pid < 0) {
            std::ifstream log(tmp("server/out.log"));
            const std::string why(std::istreambuf_iterator<char>(log), {});
            FAIL() << "pulseaudio is installed but did not start:\n" << why;
        }
    }

    static inline bool s_installed = false;
    static inline pid_t s_pid = -1;
};

TEST_F(SoundServerTest, EveryFormatPlaysWholeAndNoEventRunsMeanwhile)
{
    // Our own two sounds, expected as they decode, and tones of 0.5 s at half scale.
    struct Case { std::string name; std::function<SoundOutcome()> call; Level expected; };
    std::vector<Case> cases;
    const std::string folder = QCoreApplication::applicationDirPath().toStdString() + "/sound/";
    for (const auto& [verdict, name] : {std::pair{Verdict::Right, "yes"}, {Verdict::Wrong, "no"}}) {
        const std::optional<DecodedSound> sound = decodeSoundFile(folder + name + ".wav");
        ASSERT_TRUE(sound.has_value()) << folder << name << ".wav";
        cases.push_back({name, [v = verdict] { return playFeedback(v); },
                         measure(sound->samples, sound->rate, sound->channels)});
    }
    const std::tuple<const char*, Encoding, int, int> formats[] = {
        {"s16 stereo 48k", S16, 48000, 2}, {"u8 mono 8k", U8, 8000, 1},
        {"s24 stereo 96k", S24, 96000, 2}};
    for (const auto& [name, encoding, rate, channels] : formats) {
        const std::string file = writeFile(name, wav(encoding, rate, channels, 0.5));
        cases.push_back({name, [file] { return playSoundFile(file); }, {0.5, 0.5}});
    }

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Heard heard = listen(c.call);
        EXPECT_EQ(heard.outcome, SoundOutcome::PlayedFile);
        EXPECT_NEAR(heard.level.span, c.expected.span, 0.030);
        EXPECT_NEAR(heard.level.peak, c.expected.peak, 0.030);
        EXPECT_GE(heard.callSeconds, c.expected.span - 0.020);
        EXPECT_LT(heard.callSeconds, c.expected.span + 0.250);
    }
}

TEST_F(SoundServerTest, UnreadableFilePlaysTheThemeAlertOrElseBeeps)
{
    useOwnTheme();
    const Heard heard = listen([] { return playSoundFile(writeFile("garbage.wav", "no sound")); });
    EXPECT_EQ(heard.outcome, SoundOutcome::PlayedAlert);
    EXPECT_NEAR(heard.level.span, 0.25, 0.030);
    EXPECT_GE(heard.callSeconds, 0.23);
    EXPECT_LT(heard.callSeconds, 0.50);

    setenv("XDG_DATA_DIRS", tmp("nothing").c_str(), 1);
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(playSoundFile(tmp("missing.wav")), SoundOutcome::Beeped);
    EXPECT_LT(secondsSince(start), 0.050);
}

// Last of the suite: a stopped server may upset the sink's timing for the tests after it.
TEST_F(SoundServerTest, StoppedServerCostsNoMoreThanTheDeadlines)
{
    const std::string tone = writeFile("tone.wav", wav(S16, 44100, 1, 0.5));
    ASSERT_EQ(kill(s_pid, SIGSTOP), 0);
    Clock::time_point start = Clock::now();
    EXPECT_EQ(playSoundFile(tone, SoundDeadlines{500ms, 300ms}), SoundOutcome::Beeped);
    double seconds = secondsSince(start);
    kill(s_pid, SIGCONT);
    EXPECT_GE(seconds, 0.45);
    EXPECT_LT(seconds, 0.5 + 0.3);

    // Stopped in the middle of the sound: the writes and the drain give up
    // at the sound's length plus the margin.
    std::thread stopper([] {
        std::this_thread::sleep_for(200ms);
        kill(s_pid, SIGSTOP);
    });
    start = Clock::now();
    EXPECT_EQ(playSoundFile(tone, SoundDeadlines{500ms, 300ms}), SoundOutcome::Beeped);
    seconds = secondsSince(start);
    stopper.join();
    kill(s_pid, SIGCONT);
    EXPECT_GE(seconds, 0.5 + 0.3 - 0.05);
    EXPECT_LT(seconds, 0.5 + 0.3 + 0.2);
}

TEST(SoundWithoutServer, GivesUpAtOnceAndBeeps)
{
    setenv("PULSE_SERVER", "unix:/nonexistent", 1);
    useOwnTheme();
    for (const std::string& path :
         {writeFile("tone.wav", wav(S16, 44100, 1, 0.5)), tmp("missing.wav")}) {
        const Clock::time_point start = Clock::now();
        EXPECT_EQ(playSoundFile(path), SoundOutcome::Beeped) << path;
        EXPECT_LT(secondsSince(start), 0.050) << path;
    }
}

TEST(SoundWithoutServer, DecoderRefusesWhatCannotBeAFeedbackSound)
{
    fs::create_directories(tmp("folder.wav"));
    const std::tuple<const char*, std::string, bool> cases[] = {
        {"directory", tmp("folder.wav"), false},
        {"text", writeFile("text.wav", "RIFF? no, just words\n"), false},
        {"no frames", writeFile("silent.wav", wav(S16, 44100, 1, 0)), false},
        {"most channels", writeFile("most.wav", wav(S16, 8000, kMaxSoundChannels, 0.1)), true},
        {"a channel more", writeFile("many.wav", wav(U8, 8000, kMaxSoundChannels + 1, 0.1)), false},
        {"longest", writeFile("longest.wav", wav(U8, 8000, 1, kMaxSoundSeconds)), true},
        {"a second longer", writeFile("long.wav", wav(U8, 8000, 1, kMaxSoundSeconds + 1)), false},
        {"500 Hz rate", writeFile("slow.wav", wav(S16, 500, 1, 0.5)), false},
    };
    for (const auto& [name, path, readable] : cases) {
        EXPECT_EQ(decodeSoundFile(path).has_value(), readable) << name;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);  // unless the caller chose a platform
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    fs::remove_all(tmp());
    return result;
}
