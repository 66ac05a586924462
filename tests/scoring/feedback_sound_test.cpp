// SPDX-License-Identifier: GPL-3.0-or-later
// The feedback sound player against real audio: the tests start a PulseAudio daemon of their
// own with a null sink, record that sink's monitor while a call runs, and check that the whole
// sound came out and that the call lasted as long as the sound.

#include "scoring/feedback_sound.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>
#include <pulse/simple.h>
#include <sndfile.hh>

#include <signal.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <future>
#include <thread>

namespace {

using namespace std::chrono_literals;
using namespace std::string_literals;
using enum SoundOutcome;

// One temporary folder for the whole run, with its slash; main() removes it.
const std::string tmp = mkdtemp(std::string("/tmp/sound-test-XXXXXX").data()) + "/"s;

// A WAV file of a 440 Hz sine at half of full scale on every channel.
std::string wav(const std::string& name, double seconds, int format = SF_FORMAT_PCM_16,
                int rate = 44100, int channels = 1)
{
    std::vector<double> samples;
    for (long i = 0; i < std::lround(seconds * rate); ++i)
        samples.insert(samples.end(), channels, 0.5 * std::sin(2 * M_PI * 440.0 * i / rate));
    SndfileHandle(tmp + name, SFM_WRITE, SF_FORMAT_WAV | format, channels, rate)
        .writef(samples.data(), std::lround(seconds * rate));
    return tmp + name;
}

// The only sound theme is a bell of the test's own, 0.25 s long unlike any other sound here.
const std::string bell = "theme/sounds/freedesktop/stereo/bell.wav";

// From the first to the last sample above 5 % of full scale, in seconds, and the loudest one.
std::pair<double, double> measure(const std::vector<float>& samples, int rate, int channels)
{
    const auto loud = [](float sample) { return std::fabs(sample) > 0.05f; };
    const auto first = std::ranges::find_if(samples, loud);
    const auto last = std::find_if(samples.rbegin(), samples.rend(), loud).base();
    const auto [low, high] = std::ranges::minmax(samples);
    return {std::max(0.0, double(last - first)) / channels / rate, std::max(-low, high)};
}

// Makes the call while recording testsink.monitor (mixed to 48 kHz mono), with a GUI event
// waiting to be handled, and expects the outcome, the sound of the file `expected` heard whole,
// the call to last as long as that sound and the event still to wait when the call returns.
void expectHeard(const std::string& what, const std::string& expected, SoundOutcome outcome,
                 const auto& call)
{
    SCOPED_TRACE(what);
    SndfileHandle file(expected);  // read as it is, not through the player's decoder
    std::vector<float> sound(file.frames() * file.channels());
    file.readf(sound.data(), file.frames());
    const auto [span, peak] = measure(sound, file.samplerate(), file.channels());
    const pa_sample_spec format{PA_SAMPLE_FLOAT32NE, 48000, 1};
    // 10 ms fragments: with the default 2 s ones a short recording comes out empty.
    const pa_buffer_attr buffer{~0u, ~0u, ~0u, ~0u, 480 * sizeof(float)};
    pa_simple* recorder = pa_simple_new(nullptr, "test", PA_STREAM_RECORD, "testsink.monitor",
                                        "monitor", &format, nullptr, &buffer, nullptr);
    ASSERT_NE(recorder, nullptr) << "cannot record testsink.monitor";
    bool handled = false;
    QTimer::singleShot(0, [&] { handled = true; });
    const auto start = std::chrono::steady_clock::now();  // for the lower bound below
    EXPECT_EQ(call(), outcome);
    using Seconds = std::chrono::duration<double>;
    const Seconds took = std::chrono::steady_clock::now() - start;  // for the lower bound below
    // Lower bound: the call lasts until the sound, quiet ends included, has been played, not only
    // handed over.
    EXPECT_GE(took.count(), double(file.frames()) / file.samplerate() - 0.020) << "returned early";
    EXPECT_FALSE(handled) << "a GUI event was handled during the call";
    QCoreApplication::processEvents();  // the event is not to outlive `handled`
    // The server kept what it recorded since the recorder began, before the call: that time
    // again and 0.3 s more hold the whole sound, however far the monitor lags behind the sink.
    std::vector<float> samples(std::size_t((took.count() + 0.3) * format.rate));
    pa_simple_read(recorder, samples.data(), samples.size() * sizeof(float), nullptr);
    pa_simple_free(recorder);
    const auto [heardSpan, heardPeak] = measure(samples, int(format.rate), 1);
    EXPECT_NEAR(heardSpan, span, 0.030);
    EXPECT_NEAR(heardPeak, peak, 0.030);
}

// A PulseAudio daemon with the null sink "testsink". The "keeper" loopback holds the sink's
// latency low; without it the null sink renders 2 s at a time and delays every call.
// Only where pulseaudio is not installed are the tests skipped (a PipeWire desktop); where it is
// installed, a daemon that fails to start fails them.
struct SoundServerTest : ::testing::Test {
    static void SetUpTestSuite()
    {
        // Its runtime and state files go to the temp folder, and it sees nothing of the caller's
        // environment but PATH. It goes into the background once it is ready, leaving its
        // process id in pulse/pid, its socket in pulse/native.
        const std::string dir = tmp + "server";
        const std::string command =
            "mkdir " + dir + " && cd " + dir +
            " && env -i PATH=\"$PATH\" XDG_RUNTIME_DIR=$PWD HOME=$PWD pulseaudio -D -n"
            " --exit-idle-time=-1 --log-target=file:$PWD/out.log"
            " -L 'module-null-sink sink_name=testsink rate=48000 channels=2'"
            " -L 'module-null-sink sink_name=keeper'"
            " -L 'module-loopback source=testsink.monitor sink=keeper latency_msec=20'"
            " -L 'module-native-protocol-unix auth-anonymous=1 auth-cookie-enabled=0' 2>>out.log";
        if (std::system(command.c_str()) == 0 && std::filesystem::exists(dir + "/pulse/native"))
            std::ifstream(dir + "/pulse/pid") >> s_pid;
        // The sink's first 2 s block was rendered before the keeper lowered its latency.
        std::this_thread::sleep_for(2100ms);
    }
    static void TearDownTestSuite()
    {
        if (s_pid > 0)
            kill(s_pid, SIGKILL);
        s_pid = -1;  // a repeated run starts a daemon of its own
        std::filesystem::remove_all(tmp + "server");
    }
    void SetUp() override
    {
        if (std::system("command -v pulseaudio >/dev/null") != 0)
            GTEST_SKIP() << "pulseaudio is not installed (a PipeWire desktop has none to start)";
        ASSERT_GT(s_pid, 0) << "pulseaudio is installed but did not start:\n"
                            << std::ifstream(tmp + "server/out.log").rdbuf();
        setenv("PULSE_SERVER", ("unix:" + tmp + "server/pulse/native").c_str(), 1);
    }

    static inline pid_t s_pid = -1;
};

// Our own two sounds through the program's call; then 0.5 s tones at a low and a high rate,
// in one and two channels, plain and compressed (the player takes every kind as floats from
// libsndfile, so the kinds between add nothing), and what is left of a file cut in its samples;
// then a file gone or one that is no sound gives the alert, or with no sound theme a beep.
TEST_F(SoundServerTest, EveryFilePlaysWholeOrGivesTheAlertWhileTheCallBlocks)
{
    const std::string sounds = QCoreApplication::applicationDirPath().toStdString() + "/sound/";
    expectHeard("yes", sounds + "yes.wav", PlayedFile, [] { return playFeedback(Verdict::Right); });
    expectHeard("no", sounds + "no.wav", PlayedFile, [] { return playFeedback(Verdict::Wrong); });
    const std::string half = wav("half.wav", 0.5);
    std::filesystem::resize_file(half, std::filesystem::file_size(half) - 22050);  // 0.25 s
    for (const std::string& file : {wav("u8.wav", 0.5, SF_FORMAT_PCM_U8, 8000),
                                    wav("s24.wav", 0.5, SF_FORMAT_PCM_24, 96000, 2),
                                    wav("adpcm.wav", 0.5, SF_FORMAT_IMA_ADPCM, 22050, 2), half})
        expectHeard(file, file, PlayedFile, [&] { return playSoundFile(file); });
    for (const std::string& file :  // a file gone, and this program: no sound
         {tmp + "gone/yes.wav", QCoreApplication::applicationFilePath().toStdString()})
        expectHeard(file, tmp + bell, PlayedAlert, [&] { return playSoundFile(file); });
    setenv("XDG_DATA_DIRS", (tmp + "nothing").c_str(), 1);
    EXPECT_EQ(playSoundFile(tmp + "missing.wav"), Beeped);
    setenv("XDG_DATA_DIRS", (tmp + "theme").c_str(), 1);
}

// Last of the suite: a stopped server may upset the sink's timing for the tests after it.
TEST_F(SoundServerTest, StoppedServerCostsNoMoreThanTheDeadlines)
{
    // Stopped before the call, the call gives up after the connect deadline; stopped while a
    // 1 s sound is written, after the sound's length and the margin: 1.8 s at most in all. It
    // runs on a thread of its own, so that a call that hangs fails the test. Stopped as the
    // sound drains, the call gives up or the sound ends as usual, but it comes back.
    const std::string tone = wav("tone.wav", 1);
    const SoundDeadlines quick{500ms, 300ms};
    for (const auto after : {0ms, 200ms, 980ms}) {
        std::thread stopper([after] { std::this_thread::sleep_for(after), kill(s_pid, SIGSTOP); });
        auto call = std::async(std::launch::async, [&] { return playSoundFile(tone, quick); });
        EXPECT_EQ(call.wait_for(10s), std::future_status::ready);  // hang bound: 5 x 1.8 s and more
        stopper.join();
        kill(s_pid, SIGCONT);  // lets a call that hangs come back
        EXPECT_TRUE(call.get() == Beeped || after == 980ms) << "stopped after " << after.count();
    }
}

// With no server the player gives up and beeps, even for a file that is missing, not the alert.
// The decoder takes the most channels and the longest sound there may be, and refuses a sound
// with no frames, a rate of 500 Hz, a channel more and a second longer.
TEST(SoundWithoutServer, BeepsAndTheDecoderRefusesWhatCannotBeAFeedbackSound)
{
    setenv("PULSE_SERVER", ("unix:" + tmp + "no-server/native").c_str(), 1);
    EXPECT_EQ(playSoundFile(wav("tone.wav", 0.5)), Beeped);
    EXPECT_EQ(playSoundFile(tmp + "missing.wav"), Beeped);
    const int u8 = SF_FORMAT_PCM_U8, most = kMaxSoundChannels, longest = kMaxSoundSeconds;
    EXPECT_TRUE(decodeSoundFile(wav("most.wav", 0.1, u8, 8000, most)) &&
                decodeSoundFile(wav("longest.wav", longest, u8, 8000)));
    for (const std::string& file :
         {wav("empty.wav", 0), wav("slow.wav", 0.5, u8, 500),
          wav("many.wav", 0.1, u8, 8000, most + 1), wav("long.wav", longest + 1, u8, 8000)})
        EXPECT_FALSE(decodeSoundFile(file)) << file;
}

}  // namespace

int main(int argc, char** argv)
{
    // Nothing of the caller's environment may reach the player, libpulse, Qt or the daemon: no
    // server, sink, latency, cookie or client.conf of its own (PULSE_*), no display (DISPLAY,
    // WAYLAND_DISPLAY), no sound theme and no platform but offscreen. Once GoogleTest has read
    // its own variables the environment is emptied, PATH aside, and set anew; what libpulse and
    // Qt keep goes to the test's own folder.
    ::testing::InitGoogleTest(&argc, argv);
    const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin:/bin";
    clearenv();
    std::filesystem::create_directories(tmp + "theme/sounds/freedesktop/stereo");
    wav(bell, 0.25);
    for (const std::string& entry :
         {"PATH=" + path, "QT_QPA_PLATFORM=offscreen"s, "HOME=" + tmp, "XDG_CONFIG_HOME=" + tmp,
          "XDG_RUNTIME_DIR=" + tmp, "XDG_DATA_HOME=" + tmp + "nothing",
          "XDG_DATA_DIRS=" + tmp + "theme", "PULSE_CLIENTCONFIG=/dev/null"s})
        setenv(entry.substr(0, entry.find('=')).c_str(), entry.c_str() + entry.find('=') + 1, 1);
    QApplication app(argc, argv);
    const int result = RUN_ALL_TESTS();
    std::filesystem::remove_all(tmp);
    return result;
}
