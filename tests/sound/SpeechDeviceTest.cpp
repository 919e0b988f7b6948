#include <gtest/gtest.h>

#include <chrono>

#include "SpeechRig.h"
#include "fakes/FakeMediaPlayer.h"

namespace velmora::test {
namespace {

using std::chrono::duration_cast;
using std::chrono::milliseconds;

// Speech on the real device; the before-sound player is not used here.
using SpeechDevice = SpeechRig<FakeMediaPlayer>;

TEST_F(SpeechDevice, UtteranceReachesTheSinkAndTheChannelFallsIdleWithIt) {
    synth.samples = Sine(600, 0.6, 0.5);
    RunFor(200);
    const auto start = SinkMonitor::Clock::now();
    ASSERT_EQ(speech.Speak({.Text = "あ"}), kSpeakStarted);
    EXPECT_EQ(speech.SpeechChannelStatus(0), kChannelPlayingOnce);
    ASSERT_TRUE(RunUntil([&] { return speech.SpeechChannelStatus(0) == kChannelIdle; }, 3000));
    const auto idle = SinkMonitor::Clock::now();
    RunFor(400);
    monitor.Stop();

    const auto samples = monitor.Samples();
    const auto first = FirstAbove(samples, 0.1, monitor.IndexAt(start));
    const auto last = LastAbove(samples, 0.1);
    ASSERT_TRUE(first && last) << "nothing reached the sink";
    const double heard = static_cast<double>(*last - *first) / SinkMonitor::kRate;
    EXPECT_NEAR(heard, 0.6, 0.05);
    EXPECT_GT(ToneLevel(samples, *first, *last, 600, SinkMonitor::kRate), 0.35);
    const auto soundEnd = monitor.TimeOf(*last);
    const auto lag = duration_cast<milliseconds>(idle - soundEnd).count();
    EXPECT_GT(lag, -150) << "the channel fell idle while the sound still played";
    EXPECT_LT(lag, 300);
}

TEST_F(SpeechDevice, ChannelVolumeIsInHundredthsOfADecibel) {
    synth.samples = Sine(600, 0.4, 0.5);
    // The level over the sound itself: the silence around it, longer or
    // shorter with the machine's load, must not count.
    const auto heardLevel = [&](size_t from) {
        const auto samples = monitor.Samples();
        const auto first = FirstAbove(samples, 0.001, from);
        const auto last = LastAbove(samples, 0.001);
        if (!first || !last || *last <= *first) {
            return 0.0;
        }
        return ToneLevel(samples, *first, *last + 1, 600, SinkMonitor::kRate);
    };
    const auto levelAt = [&](int attenuation) {
        const size_t from = monitor.Samples().size();
        EXPECT_EQ(speech.Speak({.Text = "あ", .Attenuation = attenuation}), kSpeakStarted);
        EXPECT_TRUE(RunUntil([&] { return speech.SpeechChannelStatus(0) == kChannelIdle; }, 3000));
        RunFor(100);
        return heardLevel(from);
    };
    const double full = levelAt(0);
    const double minus6 = levelAt(-600);
    const double silent = levelAt(-10000);
    ASSERT_GT(full, 0.05);
    EXPECT_NEAR(minus6 / full, 0.501, 0.05);
    EXPECT_LT(silent, full / 1000);

    // A level outside the range leaves the channel as it was.
    device.SetWave(0, std::make_shared<WaveData>(WaveData{8000, 1, Sine(600, 0.4, 0.5)}));
    device.SetVolume(0, -600);
    device.SetVolume(0, 600);
    device.SetVolume(0, -20000);
    const size_t from = monitor.Samples().size();
    ASSERT_TRUE(device.Play(0, false));
    ASSERT_TRUE(RunUntil([&] { return device.Status(0) == kChannelIdle; }, 3000));
    RunFor(100);
    EXPECT_NEAR(heardLevel(from) / full, 0.501, 0.05);
}

TEST_F(SpeechDevice, LoopedSoundPlaysUntilStopped) {
    auto wave = std::make_shared<WaveData>(WaveData{8000, 1, Sine(600, 0.25, 0.5)});
    ASSERT_TRUE(device.Open());
    ASSERT_TRUE(device.SetWave(0, wave));
    const size_t from = monitor.Samples().size();
    ASSERT_TRUE(device.Play(0, true));
    RunFor(1200);
    EXPECT_EQ(device.Status(0), kChannelPlayingLooped);
    device.Stop(0);
    EXPECT_EQ(device.Status(0), kChannelIdle);
    RunFor(300);
    const auto samples = monitor.Samples();
    const auto first = FirstAbove(samples, 0.1, from);
    const auto last = LastAbove(samples, 0.1);
    ASSERT_TRUE(first && last);
    EXPECT_GT(static_cast<double>(*last - *first) / SinkMonitor::kRate, 1.0);
    EXPECT_LT(Rms(samples, samples.size() - MonitorSamples(0.15), samples.size()), 0.01);
}

TEST_F(SpeechDevice, RecordedVoiceFileFollowsTheUtteranceInItsOwnFormat) {
    WriteWaveFile(dir.File("MyAlarm.wav"), WaveData{44100, 2, Sine(1500, 0.5, 0.5, 44100, 2)});
    synth.samples = Sine(600, 0.5, 0.5);
    context.recordingRequested = true;
    const size_t from = monitor.Samples().size();
    ASSERT_EQ(speech.Speak({.Text = "あ"}), kSpeakStarted);
    EXPECT_EQ(speech.SpeechChannelStatus(0), kChannelIdle);
    EXPECT_EQ(speech.SpeechChannelStatus(1), kChannelPlayingOnce);
    ASSERT_TRUE(RunUntil([&] { return speech.SpeechChannelStatus(1) == kChannelIdle; }, 3000));
    RunFor(200);

    const auto samples = monitor.Samples();
    const size_t window = MonitorSamples(0.05);
    std::optional<size_t> utteranceEnd;
    std::optional<size_t> voiceStart;
    for (size_t i = from; i + window <= samples.size(); i += window) {
        if (ToneLevel(samples, i, i + window, 600, SinkMonitor::kRate) > 0.1) {
            utteranceEnd = i + window;
        }
        if (!voiceStart && ToneLevel(samples, i, i + window, 1500, SinkMonitor::kRate) > 0.1) {
            voiceStart = i;
        }
    }
    ASSERT_TRUE(utteranceEnd && voiceStart) << "the sink did not hear both";
    // At most one window of overlap: the voice starts as the utterance ends.
    EXPECT_GE(*voiceStart + window, *utteranceEnd);
    EXPECT_LT(*voiceStart, *utteranceEnd + MonitorSamples(0.3));
}

// A sound server that goes away while the program speaks must not take the
// program with it: the utterance is lost, the channel reads idle, and once
// the server is back the next utterance is heard.
TEST_F(SpeechDevice, SurvivesARestartOfTheSoundServerWhileSpeaking) {
    PrivateSoundServer& server = PrivateSoundServer::Instance();
    synth.samples = Sine(600, 3.0, 0.5);
    ASSERT_EQ(speech.Speak({.Text = "あ"}), kSpeakStarted);
    RunFor(500);
    ASSERT_EQ(speech.SpeechChannelStatus(0), kChannelPlayingOnce);
    monitor.Stop();

    server.Stop();
    EXPECT_TRUE(RunUntil([&] { return speech.SpeechChannelStatus(0) == kChannelIdle; }, 2000));
    const int whileDown = speech.Speak({.Text = "あ"});
    EXPECT_TRUE(whileDown == kSpeakStarted || whileDown == kSpeakFailed);
    RunFor(300);
    EXPECT_EQ(speech.SpeechChannelStatus(0), kChannelIdle);

    ASSERT_TRUE(server.Start());
    SinkMonitor after;
    std::string error;
    ASSERT_TRUE(after.Start(&error)) << error;
    synth.samples = Sine(600, 0.5, 0.5);
    // The client library reconnects in the background; an utterance may be
    // lost until it has, never the program.
    const bool heard = RunUntil(
        [&] {
            if (speech.SpeechChannelStatus(0) == kChannelPlayingOnce) {
                return true;
            }
            speech.Speak({.Text = "あ"});
            RunFor(100);
            return speech.SpeechChannelStatus(0) == kChannelPlayingOnce;
        },
        8000);
    ASSERT_TRUE(heard) << "speech did not come back after the restart";
    ASSERT_TRUE(RunUntil([&] { return speech.SpeechChannelStatus(0) == kChannelIdle; }, 3000));
    RunFor(200);
    const auto samples = after.Samples();
    EXPECT_GT(ToneLevel(samples, 0, samples.size(), 600, SinkMonitor::kRate), 0.02);
    EXPECT_TRUE(FirstAbove(samples, 0.1).has_value());
}

}  // namespace
}  // namespace velmora::test
