#include <gtest/gtest.h>

#include "app/NowTimeAnnouncement.h"
#include "fakes/FakeEventPump.h"
#include "fakes/FakeMasterVolume.h"
#include "fakes/FakeMediaPlayer.h"
#include "fakes/FakeMillisecondClock.h"
#include "fakes/FakeNotices.h"
#include "fakes/FakeRandom.h"
#include "fakes/FakeSoundActivity.h"
#include "fakes/FakeSoundDevice.h"
#include "fakes/FakeSpeakContext.h"
#include "fakes/FakeSpeechSynthesizer.h"
#include "fakes/FakeWallClock.h"
#include "fakes/FakeWaveFileReader.h"
#include "settings/SettingsLoader.h"
#include "sound/BeforeSoundLists.h"
#include "sound/BeforeSoundPlayer.h"
#include "support/TempDir.h"
#include "support/TestEnvironment.h"

namespace velmora {
namespace {

// "現在時刻(&T)" against a silent sound device, with the built-in sounds
// beside the program as its before sounds.
class NowTimeTest : public ::testing::Test {
protected:
    NowTimeTest() {
        config.JihoVolume = 35;
        config.VoiceNo = 2;
        config.SpeakSpead = 140;
        config.Gobi = "ですよ。";
        // A before sound ends on the round after it starts.
        pump.onEvents = [this] { beforePlayer.FinishFile(); };
    }

    bool SpeakNow() { return SpeakCurrentTime({config, state, speech, volume, wall, random}); }

    test::TempDir dir;
    IniFile ini{dir.File("Settei.ini")};
    BeforeSoundLists lists = BuildBeforeSoundLists(test::ProgramDir() + "/", ini, 14, 6);
    test::FakeMillisecondClock ticks;
    test::FakeEventPump pump{ticks};
    test::FakeNotices notices;
    test::FakeMediaPlayer beforePlayer;
    BeforeSoundPlayer before{beforePlayer, lists, ticks, notices};
    test::FakeSoundDevice device;
    test::FakeSpeechSynthesizer synth;
    test::FakeWaveFileReader reader;
    test::FakeSpeakContext context;
    SpeechPlayer speech{{.Device = device,
                         .Synthesizer = synth,
                         .Before = before,
                         .Pump = pump,
                         .Reader = reader,
                         .Notice = notices,
                         .Context = context,
                         .DataFolder = dir.Path()}};
    test::FakeSoundActivity activity;
    test::FakeMasterVolume* output = new test::FakeMasterVolume;
    MasterVolumeControl volume{std::unique_ptr<MasterVolume>(output), true, activity};
    Settings config;
    ClockState state;
    test::FakeWallClock wall{EncodeDate(2024, 3, 15) + EncodeTime(10, 14, 58)};
    test::FakeRandom random;
};

TEST_F(NowTimeTest, SaysTheTimeInTheTimeSignalsVoiceAndVolume) {
    ASSERT_TRUE(SpeakNow());
    ASSERT_EQ(synth.calls.size(), 1U);
    EXPECT_EQ(synth.calls[0].text,
              "ご'ぜん/<NUMK VAL=10 COUNTER=じ>/<NUMK VAL=14 COUNTER=ふん>+ですよ。");
    EXPECT_EQ(synth.calls[0].voice, 2);
    EXPECT_EQ(synth.calls[0].speed, 140);
    EXPECT_EQ(output->writes, std::vector<std::string>{"level:35"});
    EXPECT_EQ(device.Plays(), std::vector<std::string>{"play:0:once"});
    EXPECT_TRUE(beforePlayer.log.empty()) << "no before sound was chosen";
}

TEST_F(NowTimeTest, AfterTheToneTheWordsSayTheTimeThreeSecondsOn) {
    struct Case {
        int beforeSound;
        const char* minute;
    };
    const Case cases[] = {{kJihoToneSound, "<NUMK VAL=15 COUNTER=ふん>"},
                          {1, "<NUMK VAL=14 COUNTER=ふん>"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.beforeSound);
        config.JihoBeforeSoundNo = c.beforeSound;
        synth.calls.clear();
        beforePlayer.log.clear();
        ASSERT_TRUE(SpeakNow());
        ASSERT_EQ(synth.calls.size(), 1U);
        EXPECT_NE(synth.calls[0].text.find(c.minute), std::string::npos) << synth.calls[0].text;
        ASSERT_FALSE(beforePlayer.log.empty());
        EXPECT_EQ(beforePlayer.log.front(), "url:" + lists.Name(true, c.beforeSound));
        device.Finish(kSpeechChannel);
    }
}

TEST_F(NowTimeTest, ARandomVoiceIsDrawnForEachUtterance) {
    config.VoiceNo = kRandomVoice;
    random.draws = {4};
    ASSERT_TRUE(SpeakNow());
    EXPECT_EQ(random.asked, std::vector<int>{kVoiceCount});
    EXPECT_EQ(synth.calls.at(0).voice, 4);
}

TEST_F(NowTimeTest, NothingWhileSomethingSpeaksOrIsAboutTo) {
    ASSERT_TRUE(SpeakNow());
    EXPECT_FALSE(SpeakNow()) << "the first announcement still plays";
    device.Finish(kSpeechChannel);

    state.SpeakPending = true;
    EXPECT_FALSE(SpeakNow()) << "the tick has claimed speech";
    state.SpeakPending = false;

    device.channels[kSpeechChannel].status = kChannelPlayingLooped;
    EXPECT_FALSE(SpeakNow());
    EXPECT_EQ(synth.calls.size(), 1U);
    EXPECT_EQ(output->writes.size(), 1U) << "the volume is left alone as well";
}

}  // namespace
}  // namespace velmora
