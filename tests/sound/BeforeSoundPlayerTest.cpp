#include <gtest/gtest.h>

#include <filesystem>

#include "base/ShiftJis.h"
#include "sound/SoundMessages.h"
#include "support/PlaybackFixture.h"

namespace velmora::test {
namespace {

TEST(BeforeSoundLists, BuiltInEntriesInListOrderUnderTheProgramFolder) {
    TempDir dir;
    const IniFile ini(dir.File("Settei.ini"));  // does not exist
    const BeforeSoundLists lists = BuildBeforeSoundLists("/opt/velmora/", ini, 14, 6);
    ASSERT_EQ(lists.Alarm.size(), 14U);
    ASSERT_EQ(lists.Jiho.size(), 6U);
    EXPECT_EQ(lists.Alarm[0], "");
    EXPECT_EQ(lists.Jiho[0], "");
    EXPECT_EQ(lists.Alarm[1], "/opt/velmora/Data/ピロロン.wav");
    EXPECT_EQ(lists.Alarm[4], "/opt/velmora/Data/ピコ.wav");
    EXPECT_EQ(lists.Alarm[5], "/opt/velmora/Data/アラーム1.wav");
    EXPECT_EQ(lists.Alarm[13], "/opt/velmora/Data/アラーム9.wav");
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(lists.Jiho[static_cast<size_t>(i)], lists.Alarm[static_cast<size_t>(i)]);
    }
    EXPECT_EQ(lists.Jiho[5], "/opt/velmora/Data/Jiho.wav");
}

TEST(BeforeSoundLists, AddedFilesFollowTheBuiltInOnesAndSmallCountsKeepThem) {
    TempDir dir;
    WriteBytes(dir.File("Settei.ini"), *Utf8ToSjis("[BeforeSound]\r\n14=/音/一.wav\r\n"
                                                   "16=/音/三.mp3\r\n[BeforeJihoSound]\r\n"
                                                   "6=/音/時.ogg\r\n"));
    const IniFile ini(dir.File("Settei.ini"));
    const BeforeSoundLists lists = BuildBeforeSoundLists("/p/", ini, 17, 7);
    ASSERT_EQ(lists.Alarm.size(), 17U);
    EXPECT_EQ(lists.Alarm[14], "/音/一.wav");
    EXPECT_EQ(lists.Alarm[15], "");  // a gap in the stored list stays empty
    EXPECT_EQ(lists.Alarm[16], "/音/三.mp3");
    ASSERT_EQ(lists.Jiho.size(), 7U);
    EXPECT_EQ(lists.Jiho[6], "/音/時.ogg");

    const BeforeSoundLists small = BuildBeforeSoundLists("/p/", ini, 3, 0);
    EXPECT_EQ(small.Alarm.size(), 14U);
    EXPECT_EQ(small.Jiho.size(), 6U);
    EXPECT_EQ(small.Name(false, 16), "");
    EXPECT_EQ(small.Name(false, -1), "");
    EXPECT_EQ(small.Name(true, 0), "");
    EXPECT_EQ(small.Name(true, 5), "/p/Data/Jiho.wav");
}

TEST(BeforeSoundPlayer, StartsTheChosenEntryAndEndsOnlyWithMediaEnded) {
    BeforeSoundFixture f;
    f.before.PlayBeforeSound(0, false);
    EXPECT_TRUE(f.player.log.empty());

    f.clock.now = 5000;
    f.before.PlayBeforeSound(2, true);
    EXPECT_TRUE(f.before.BeforeSoundPlaying());
    EXPECT_EQ(f.before.BeforeSoundStartTime(), 5000U);
    EXPECT_EQ(f.player.log, (std::vector<std::string>{"url:" + f.lists.Jiho[2], "play"}));

    for (int state : {kPlayStatePlaying, kPlayStateStopped, kPlayStatePaused}) {
        f.player.Fire(state);
        EXPECT_TRUE(f.before.BeforeSoundPlaying()) << state;
    }
    f.player.Fire(kPlayStateMediaEnded);
    EXPECT_FALSE(f.before.BeforeSoundPlaying());
    EXPECT_TRUE(f.notices.messages.empty());
}

TEST(BeforeSoundPlayer, MissingFileAndRefusingPlayerAreReportedInPlainBoxes) {
    BeforeSoundFixture f;
    std::filesystem::remove(f.lists.Alarm[7]);
    f.before.PlayBeforeSound(7, false);
    EXPECT_FALSE(f.before.BeforeSoundPlaying());
    EXPECT_TRUE(f.player.log.empty());
    EXPECT_EQ(f.notices.messages, std::vector<std::string>{kSoundFileNotFoundMessage});

    f.player.canPlay = false;
    f.before.PlayBeforeSound(1, false);
    EXPECT_FALSE(f.before.BeforeSoundPlaying());
    f.player.canPlay = true;
    f.player.acceptUrl = false;
    f.before.PlayBeforeSound(1, false);
    EXPECT_FALSE(f.before.BeforeSoundPlaying());
    EXPECT_EQ(f.notices.messages,
              (std::vector<std::string>{kSoundFileNotFoundMessage, kSoundPlayFailedMessage,
                                        kSoundPlayFailedMessage}));
    EXPECT_TRUE(f.notices.notices.empty());
}

TEST(BeforeSoundPlayer, AFileThePlayerCannotDecodeEndsTheSoundAtOnce) {
    BeforeSoundFixture f;
    f.before.PlayBeforeSound(3, false);
    f.player.FireError();
    EXPECT_FALSE(f.before.BeforeSoundPlaying());
    EXPECT_EQ(f.player.log.back(), "stop");
    EXPECT_EQ(f.notices.messages, std::vector<std::string>{kSoundPlayFailedMessage});

    // An error after the sound is over is not this sound's failure.
    f.player.FireError();
    EXPECT_EQ(f.notices.messages.size(), 1U);
}

TEST(BeforeSoundPlayer, WatchdogCutsOffAfterTenSecondsAndTheUserStopsAtOnce) {
    BeforeSoundFixture f;
    f.before.PlayBeforeSound(1, false);
    f.clock.Advance(10000);
    f.before.CheckWatchdog();
    EXPECT_TRUE(f.before.BeforeSoundPlaying());
    f.clock.Advance(1);
    f.before.CheckWatchdog();
    EXPECT_FALSE(f.before.BeforeSoundPlaying());
    EXPECT_EQ(f.player.log.back(), "stop");

    f.before.PlayBeforeSound(1, false);
    f.before.StopBeforeSound();
    EXPECT_FALSE(f.before.BeforeSoundPlaying());
    const size_t calls = f.player.log.size();
    f.before.StopBeforeSound();  // nothing playing: the player is left alone
    f.before.CheckWatchdog();
    EXPECT_EQ(f.player.log.size(), calls);
}

}  // namespace
}  // namespace velmora::test
