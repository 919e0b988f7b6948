#include <gtest/gtest.h>

#include <filesystem>

#include "fakes/FakeSoundDevice.h"
#include "fakes/FakeSpeakContext.h"
#include "fakes/FakeSpeechSynthesizer.h"
#include "fakes/FakeWaveFileReader.h"
#include "sound/SoundMessages.h"
#include "speech/SpeechPlayer.h"
#include "support/PlaybackFixture.h"

namespace velmora::test {
namespace {

constexpr size_t kHeaderSilence = 22;  // 44 bytes of the library's header

struct SpeechFixture : BeforeSoundFixture {
    SpeechFixture() {
        WaveData voice;
        voice.SampleRate = 44100;
        voice.Channels = 2;
        voice.Samples.assign(441 * 2, 500);
        reader.files[dataFolder + "MyAlarm.wav"] = voice;
    }

    // Ends the before sound after `ms` of pumping, as the real player's
    // event would.
    void EndBeforeSoundAfter(std::uint32_t ms) {
        const std::uint32_t end = clock.now + ms;
        pump.onEvents = [this, end] {
            if (clock.now >= end && before.BeforeSoundPlaying()) {
                player.FinishFile();
            }
        };
    }

    FakeSoundDevice device;
    FakeSpeechSynthesizer synth;
    FakeWaveFileReader reader;
    FakeSpeakContext context;
    std::string dataFolder = "/home/u/Documents/ハルカゼ舎/VelmoraData/";
    SpeechPlayer speech{{.Device = device,
                         .Synthesizer = synth,
                         .Before = before,
                         .Pump = pump,
                         .Reader = reader,
                         .Notice = notices,
                         .Context = context,
                         .DataFolder = dataFolder}};
};

TEST(Speak, SynthesizesAndStartsChannelZeroOnceWithoutWaiting) {
    SpeechFixture f;
    const int result =
        f.speech.Speak({.Voice = 3, .Text = "こんにちは", .Speed = 150, .Attenuation = -600});
    EXPECT_EQ(result, kSpeakStarted);
    ASSERT_EQ(f.synth.calls.size(), 1U);
    EXPECT_EQ(f.synth.calls[0].voice, 3);
    EXPECT_EQ(f.synth.calls[0].text, "こんにちは");
    EXPECT_EQ(f.synth.calls[0].speed, 150);
    EXPECT_EQ(f.device.log, (std::vector<std::string>{"open", "wave:0", "volume:0:-600", "stop:0",
                                                      "play:0:once"}));
    // The samples, then the header's worth of silence.
    const auto& wave = *f.device.channels[0].wave;
    EXPECT_EQ(wave.SampleRate, 8000);
    EXPECT_EQ(wave.Channels, 1);
    ASSERT_EQ(wave.Samples.size(), f.synth.samples.size() + kHeaderSilence);
    EXPECT_EQ(wave.Samples[f.synth.samples.size() - 1], 1000);
    EXPECT_EQ(wave.Samples.back(), 0);
    EXPECT_EQ(f.speech.SpeechChannelStatus(0), kChannelPlayingOnce);
    EXPECT_EQ(f.pump.rounds, 0);
    EXPECT_FALSE(f.speech.Speaking());
}

TEST(Speak, GapAndLoopFollowLoopAndHowTo) {
    struct Case {
        bool loop;
        int gap;
        int howTo;
        size_t extraSamples;
        const char* play;
    };
    const Case cases[] = {
        {false, 3, 0, 0, "play:0:once"},
        {true, 2, 0, 16000, "play:0:looped"},
        {true, 2, 1, 16000, "play:0:once"},  // recorded-voice mode never loops speech
        {true, 0, 0, 0, "play:0:looped"},
    };
    for (const Case& c : cases) {
        SpeechFixture f;
        f.context.howTo = c.howTo;
        EXPECT_EQ(f.speech.Speak({.Text = "あ", .GapSeconds = c.gap, .Loop = c.loop}), 0);
        EXPECT_EQ(f.device.channels[0].wave->Samples.size(),
                  f.synth.samples.size() + kHeaderSilence + c.extraSamples)
            << c.loop << c.gap << c.howTo;
        EXPECT_EQ(f.device.Plays(), std::vector<std::string>{c.play});
    }
}

TEST(Speak, RefusedSynthesisReturnsTwoAndPlaysNothing) {
    SpeechFixture f;
    f.context.ringing = true;
    f.context.howTo = 1;
    f.synth.refuse = true;
    EXPECT_EQ(f.speech.Speak({.Text = "？？"}), kSpeakFailed);
    EXPECT_TRUE(f.device.Plays().empty());
    EXPECT_TRUE(f.reader.reads.empty());  // no recorded voice after a failure
    EXPECT_FALSE(f.context.busy);
    EXPECT_EQ(f.context.busyChanges, 2);
    EXPECT_FALSE(f.speech.Speaking());
}

TEST(Speak, EmptyTextPlaysOnlyTheBeforeSoundAndReturnsAfterItsEnd) {
    SpeechFixture f;
    f.EndBeforeSoundAfter(700);
    const std::uint32_t start = f.clock.now;
    EXPECT_EQ(f.speech.Speak({.Text = "", .BeforeSound = 4}), kSpeakStarted);
    EXPECT_GE(f.clock.now - start, 700U);
    EXPECT_FALSE(f.before.BeforeSoundPlaying());
    EXPECT_EQ(f.player.url, f.lists.Alarm[4]);
    EXPECT_TRUE(f.synth.calls.empty());
    EXPECT_TRUE(f.device.log.empty());
}

TEST(Speak, SpeechFollowsTheBeforeSoundWhileTheEventLoopRuns) {
    SpeechFixture f;
    f.context.ringing = true;
    bool sawBusyWhileWaiting = false;
    const std::uint32_t end = f.clock.now + 1500;
    f.pump.onEvents = [&] {
        sawBusyWhileWaiting = sawBusyWhileWaiting || f.context.busy;
        EXPECT_TRUE(f.speech.Speaking());
        EXPECT_TRUE(f.synth.calls.empty()) << "synthesis before the before sound ended";
        if (f.clock.now >= end) {
            f.player.FinishFile();
        }
    };
    EXPECT_EQ(f.speech.Speak({.Text = "じほう", .FromJihoList = true, .BeforeSound = 5}), 0);
    EXPECT_TRUE(sawBusyWhileWaiting);
    EXPECT_FALSE(f.context.busy);
    EXPECT_EQ(f.player.url, f.dir.File("Data/Jiho.wav"));
    EXPECT_EQ(f.synth.calls.size(), 1U);
    EXPECT_EQ(f.device.Plays(), std::vector<std::string>{"play:0:once"});
}

TEST(Speak, BeforeSoundThatNeverEndsIsCutOffByTheWatchdog) {
    SpeechFixture f;
    EXPECT_EQ(f.speech.Speak({.Text = "あ", .BeforeSound = 13}), kSpeakStarted);
    EXPECT_GT(f.clock.now - f.before.BeforeSoundStartTime(), 10000U);
    EXPECT_LT(f.clock.now - f.before.BeforeSoundStartTime(), 10100U);
    EXPECT_EQ(f.player.log.back(), "stop");
    EXPECT_EQ(f.device.Plays(), std::vector<std::string>{"play:0:once"});
}

TEST(Speak, MissingBeforeSoundIsANoticeAndTheTextIsStillSpoken) {
    SpeechFixture f;
    std::filesystem::remove(f.lists.Alarm[2]);
    EXPECT_EQ(f.speech.Speak({.Text = "あ", .BeforeSound = 2}), kSpeakStarted);
    EXPECT_EQ(f.notices.notices, std::vector<std::string>{kSoundFileNotFoundMessage});
    EXPECT_TRUE(f.notices.messages.empty());
    EXPECT_TRUE(f.player.log.empty());
    EXPECT_EQ(f.device.Plays(), std::vector<std::string>{"play:0:once"});
}

TEST(Speak, ABeforeSoundAlreadyPlayingIsNeitherRestartedNorWaitedFor) {
    SpeechFixture f;
    f.before.PlayBeforeSound(1, false);
    EXPECT_EQ(f.speech.Speak({.Text = "あ", .BeforeSound = 3}), kSpeakStarted);
    EXPECT_EQ(f.player.plays, 1);
    EXPECT_EQ(f.pump.rounds, 0);
    EXPECT_TRUE(f.before.BeforeSoundPlaying());
}

TEST(Speak, WithoutAnOutputSpeechIsSilentButStillSucceeds) {
    SpeechFixture f;
    f.device.available = false;
    EXPECT_EQ(f.speech.Speak({.Text = "あ"}), kSpeakStarted);
    EXPECT_EQ(f.synth.calls.size(), 1U);
    EXPECT_EQ(f.device.log, std::vector<std::string>{"open"});
    EXPECT_EQ(f.speech.SpeechChannelStatus(0), kChannelIdle);
}

// A failing device call loses the utterance but not the program; the next
// Speak opens the device afresh and is heard.
TEST(Speak, AFailingDeviceCallLosesOnlyThisUtterance) {
    for (bool failWave : {true, false}) {
        SpeechFixture f;
        f.context.ringing = true;
        f.device.failSetWave = failWave;
        f.device.failPlay = !failWave;
        EXPECT_EQ(f.speech.Speak({.Text = "あ"}), kSpeakFailed);
        EXPECT_EQ(f.speech.SpeechChannelStatus(0), kChannelIdle);
        EXPECT_FALSE(f.speech.Speaking());
        EXPECT_FALSE(f.context.busy);

        f.device.failSetWave = f.device.failPlay = false;
        f.device.log.clear();
        EXPECT_EQ(f.speech.Speak({.Text = "い"}), kSpeakStarted);
        EXPECT_EQ(f.device.log.front(), "open");
        EXPECT_EQ(f.speech.SpeechChannelStatus(0), kChannelPlayingOnce);
    }
}

TEST(Speak, RecordedVoiceOfARingingAlarmFollowsTheUtteranceOnChannelOne) {
    SpeechFixture f;
    f.context.ringing = true;
    f.context.howTo = 1;
    int waited = 0;
    f.pump.onEvents = [&] {
        EXPECT_TRUE(f.device.channels[1].wave == nullptr) << "recorded voice before the end";
        if (++waited == 25) {
            f.device.Finish(0);
        }
    };
    EXPECT_EQ(f.speech.Speak({.Text = "しちじです", .Attenuation = -300}), kSpeakStarted);
    EXPECT_EQ(waited, 25);
    EXPECT_EQ(f.reader.reads, std::vector<std::string>{f.dataFolder + "MyAlarm.wav"});
    EXPECT_EQ(f.device.Plays(), (std::vector<std::string>{"play:0:once", "play:1:once"}));
    const auto& voice = *f.device.channels[1].wave;
    EXPECT_EQ(voice.SampleRate, 44100);  // the file's own format
    EXPECT_EQ(voice.Channels, 2);
    EXPECT_EQ(f.device.channels[1].attenuation, -300);
    EXPECT_FALSE(f.context.busy);

    // Loaded once, reused by the next alarm.
    f.device.Finish(1);
    f.pump.onEvents = [&] { f.device.Finish(0); };
    f.speech.Speak({.Text = ""});
    EXPECT_EQ(f.reader.reads.size(), 1U);
    EXPECT_EQ(f.device.Plays().back(), "play:1:once");
}

TEST(Speak, EmptyTextInRecordedVoiceModeStartsTheVoiceAtOnce) {
    SpeechFixture f;
    f.context.ringing = true;
    f.context.howTo = 1;
    EXPECT_EQ(f.speech.Speak({.Text = ""}), kSpeakStarted);
    EXPECT_TRUE(f.synth.calls.empty());
    EXPECT_EQ(f.device.Plays(), std::vector<std::string>{"play:1:once"});
    EXPECT_EQ(f.pump.rounds, 0);
}

TEST(Speak, StoppingTheAlarmDuringTheUtteranceCancelsTheRecordedVoice) {
    SpeechFixture f;
    f.context.ringing = true;
    f.context.howTo = 1;
    f.pump.onEvents = [&] {
        f.context.busy = false;  // the user's stop
        f.device.Finish(0);
    };
    EXPECT_EQ(f.speech.Speak({.Text = "あ"}), kSpeakStarted);
    EXPECT_EQ(f.device.Plays(), std::vector<std::string>{"play:0:once"});
}

TEST(Speak, TheDialogsRequestPlaysTheVoiceOnceAndIsCleared) {
    SpeechFixture f;
    f.context.recordingRequested = true;
    f.pump.onEvents = [&] { f.device.Finish(0); };
    EXPECT_EQ(f.speech.Speak({.Text = "あ"}), kSpeakStarted);
    EXPECT_EQ(f.device.Plays(), (std::vector<std::string>{"play:0:once", "play:1:once"}));
    EXPECT_FALSE(f.context.recordingRequested);
    EXPECT_EQ(f.context.busyChanges, 0);  // not ringing: the alarm's flag is left alone
}

TEST(Speak, ALoopedUtteranceIsNotWaitedForBeforeTheVoice) {
    SpeechFixture f;
    f.context.recordingRequested = true;
    EXPECT_EQ(f.speech.Speak({.Text = "あ", .Loop = true}), kSpeakStarted);
    EXPECT_EQ(f.device.Plays(), (std::vector<std::string>{"play:0:looped", "play:1:looped"}));
    EXPECT_EQ(f.pump.rounds, 0);
}

// The alarm asks before every utterance: a recording that cannot be read is
// skipped without waiting and read again only when it is loaded anew.
TEST(Speak, AnUnreadableRecordingIsSkippedAndNotReadAgainUntilReloaded) {
    SpeechFixture f;
    const WaveData voice = f.reader.files.begin()->second;
    f.reader.files.clear();
    f.context.ringing = true;
    f.context.howTo = 1;
    f.pump.onEvents = [&] { f.device.Finish(0); };
    EXPECT_EQ(f.speech.Speak({.Text = "あ"}), kSpeakStarted);
    EXPECT_EQ(f.device.Plays(), std::vector<std::string>{"play:0:once"});
    EXPECT_EQ(f.pump.rounds, 0);
    EXPECT_FALSE(f.speech.RecordedVoiceReadable());
    f.speech.Speak({.Text = ""});
    EXPECT_EQ(f.reader.reads.size(), 1U);

    f.reader.files[f.dataFolder + "MyAlarm.wav"] = voice;
    EXPECT_TRUE(f.speech.LoadRecordedVoice());
    EXPECT_EQ(f.reader.reads.size(), 2U);
}

TEST(Speak, LoadRecordedVoicePutsANewRecordingOnChannelOne) {
    SpeechFixture f;
    EXPECT_TRUE(f.speech.LoadRecordedVoice());
    EXPECT_EQ(f.device.channels[1].wave->SampleRate, 44100);
    EXPECT_TRUE(f.device.Plays().empty());

    WaveData replaced;
    replaced.SampleRate = 16000;
    replaced.Samples.assign(160, 7);
    f.reader.files[f.dataFolder + "MyAlarm.wav"] = replaced;
    EXPECT_TRUE(f.speech.LoadRecordedVoice());
    EXPECT_EQ(f.device.channels[1].wave->SampleRate, 16000);

    f.reader.files.clear();
    EXPECT_FALSE(f.speech.LoadRecordedVoice());
    EXPECT_FALSE(f.speech.HasRecordedVoice());
}

TEST(Speak, StopSpeechSilencesTheChannel) {
    SpeechFixture f;
    f.speech.Speak({.Text = "あ", .Loop = true});
    EXPECT_EQ(f.speech.SpeechChannelStatus(0), kChannelPlayingLooped);
    f.speech.StopSpeech(0);
    EXPECT_EQ(f.speech.SpeechChannelStatus(0), kChannelIdle);
}

}  // namespace
}  // namespace velmora::test
