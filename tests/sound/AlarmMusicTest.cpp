#include <gtest/gtest.h>

#include "MusicList.h"
#include "base/ShiftJis.h"
#include "fakes/FakeDesktopOpener.h"
#include "fakes/FakeMusicHooks.h"
#include "fakes/FakeRandom.h"
#include "sound/AlarmMusic.h"
#include "sound/SoundMessages.h"
#include "support/PlaybackFixture.h"

namespace velmora::test {
namespace {

struct MusicFixture : BeforeSoundFixture {
    void StoreList(const std::vector<std::string>& files) { StoreMusicList(ini, config, files); }

    FakeMediaPlayer music;
    Settings config;
    FakeRandom random;
    FakeMusicHooks hooks;
    FakeDesktopOpener opener;
    AlarmMusic alarm{{.Player = music,
                      .Config = config,
                      .Ini = ini,
                      .Before = before,
                      .Clock = clock,
                      .Random = random,
                      .Hooks = hooks,
                      .Opener = opener,
                      .Notice = notices}};
};

TEST(AlarmMusic, StartsTheChosenFileAndEnablesTheStopItem) {
    MusicFixture f;
    f.StoreList({"/音楽/朝.mp3", "/音楽/昼.ogg"});
    f.alarm.StartAlarmMusic();
    EXPECT_EQ(f.music.log, (std::vector<std::string>{"url:/音楽/朝.mp3", "play"}));
    EXPECT_TRUE(f.alarm.MusicPlaying());
    EXPECT_TRUE(f.hooks.musicStopEnabled);
    EXPECT_EQ(f.alarm.MusicStartTick(), 0U);  // only random music is timed
    EXPECT_TRUE(f.random.asked.empty());
}

TEST(AlarmMusic, RandomMusicDrawsFromTheListAndIsTimed) {
    MusicFixture f;
    f.StoreList({"/m/a.mp3", "/m/b.mp3", "/m/c.flac"});
    f.config.MusicRandom = true;
    f.random.draws = {2};
    f.clock.now = 777;
    f.alarm.StartAlarmMusic();
    EXPECT_EQ(f.random.asked, std::vector<int>{3});
    EXPECT_EQ(f.music.url, "/m/c.flac");
    EXPECT_EQ(f.alarm.MusicStartTick(), 777U);
}

TEST(AlarmMusic, ASingleFileListPlaysAsIfRandomWereOff) {
    MusicFixture f;
    f.StoreList({"/m/only.wav"});
    f.config.MusicRandom = true;
    f.alarm.StartAlarmMusic();
    EXPECT_FALSE(f.alarm.RandomMusic());
    EXPECT_TRUE(f.random.asked.empty());
    EXPECT_EQ(f.music.url, "/m/only.wav");
    EXPECT_EQ(f.alarm.MusicStartTick(), 0U);
}

TEST(AlarmMusic, NothingStartsWithoutMusicOrWhileABeforeSoundPlays) {
    MusicFixture f;
    f.alarm.StartAlarmMusic();  // no music chosen
    f.StoreList({"/m/a.mp3", ""});
    f.before.PlayBeforeSound(1, false);
    f.alarm.StartAlarmMusic();
    f.before.StopBeforeSound();
    f.config.MusicRandom = true;
    f.config.MusicCount = 3;
    f.random.draws = {1};  // the empty entry
    f.alarm.StartAlarmMusic();
    EXPECT_TRUE(f.music.log.empty());
    EXPECT_FALSE(f.alarm.MusicPlaying());
    EXPECT_FALSE(f.hooks.musicStopEnabled);
}

TEST(AlarmMusic, PlayStateReactionsDependOnRepeatAndRandom) {
    struct Case {
        bool repeat;
        bool random;
        int state;
        std::vector<std::string> calls;  // player calls after the start
        bool stillPlaying;
    };
    const std::vector<Case> cases = {
        {true, false, kPlayStateStopped, {"play"}, true},
        {true, false, kPlayStateMediaEnded, {}, true},
        {true, true, kPlayStateStopped, {}, true},
        {false, false, kPlayStateStopped, {"url:"}, false},
        {false, true, kPlayStateStopped, {"url:"}, false},
        {false, false, kPlayStatePlaying, {}, true},
    };
    for (const Case& c : cases) {
        MusicFixture f;
        f.StoreList({"/m/a.mp3", "/m/b.mp3", "/m/c.mp3"});
        f.config.MusicRepeat = c.repeat;
        f.config.MusicRandom = c.random;
        f.alarm.StartAlarmMusic();
        f.music.log.clear();
        f.music.Fire(c.state);
        EXPECT_EQ(f.music.log, c.calls) << c.repeat << c.random << c.state;
        EXPECT_EQ(f.alarm.MusicPlaying(), c.stillPlaying);
        EXPECT_EQ(f.hooks.musicStopEnabled, c.stillPlaying);
    }
}

TEST(AlarmMusic, MenuStopDoesNotRestartRepeatedMusic) {
    MusicFixture f;
    f.StoreList({"/m/a.mp3"});
    f.config.MusicRepeat = true;
    f.alarm.StartAlarmMusic();
    f.alarm.MenuMusicStop();
    f.music.Fire(kPlayStateStopped);  // the stop's own report
    EXPECT_EQ(f.music.plays, 1);
    EXPECT_FALSE(f.alarm.MusicPlaying());
    EXPECT_EQ(f.alarm.MusicStartTick(), 0U);
    EXPECT_EQ(f.hooks.log, (std::vector<std::string>{"menu:on", "menu:off", "test-stopped"}));
    EXPECT_EQ(f.music.url, "");
}

TEST(AlarmMusic, AStoppedTestOfTheDialogIsPassedOnAndLetGo) {
    MusicFixture f;
    f.music.SetUrl("/home/u/MyAlarm.wav");
    f.music.Play();
    f.music.Fire(kPlayStateMediaEnded);
    EXPECT_TRUE(f.hooks.log.empty());
    f.music.Fire(kPlayStateStopped);
    EXPECT_EQ(f.hooks.log, std::vector<std::string>{"test-stopped"});
    EXPECT_EQ(f.music.url, "");
}

TEST(AlarmMusic, RotationWaitsForTheLengthPlusThreeSecondsThenPicksAnotherFile) {
    MusicFixture f;
    f.StoreList({"/m/a.mp3", "/m/b.mp3", "/m/a.mp3", "/m/c.mp3"});
    f.config.MusicRepeat = true;
    f.config.MusicRandom = true;
    f.random.draws = {0};  // entry 1: a
    f.alarm.StartAlarmMusic();
    ASSERT_EQ(f.music.url, "/m/a.mp3");
    const std::uint32_t start = f.alarm.MusicStartTick();
    f.music.duration = 60.5;
    f.music.log.clear();

    f.clock.now = start + 63999;  // 63 whole seconds: not beyond 63.5
    f.alarm.CheckRotation();
    EXPECT_TRUE(f.music.log.empty());

    f.random.draws = {1};
    f.random.asked.clear();
    f.clock.now = start + 64000;
    f.alarm.CheckRotation();
    // Only the entries that differ from the current file are candidates.
    EXPECT_EQ(f.random.asked, std::vector<int>{2});
    EXPECT_EQ(f.music.log, (std::vector<std::string>{"stop", "url:/m/c.mp3", "play"}));
    EXPECT_EQ(f.alarm.MusicStartTick(), start + 64000);
}

TEST(AlarmMusic, RotationNeverRepeatsTheCurrentFileAndEndsWhenThereIsNoOther) {
    MusicFixture f;
    f.StoreList({"/m/a.mp3", "/m/b.mp3"});
    f.config.MusicRepeat = f.config.MusicRandom = true;
    f.music.duration = 1;
    f.alarm.StartAlarmMusic();
    std::string previous = f.music.url;
    for (int round = 0; round < 20; ++round) {
        f.random.draws = {round};
        f.clock.Advance(5000);
        f.alarm.CheckRotation();
        EXPECT_NE(f.music.url, previous) << round;
        previous = f.music.url;
    }

    MusicFixture same;
    same.StoreList({"/m/x.mp3", "/m/x.mp3", "/m/x.mp3"});
    same.config.MusicRepeat = same.config.MusicRandom = true;
    same.music.duration = 1;
    same.alarm.StartAlarmMusic();
    same.music.log.clear();
    same.clock.Advance(5000);
    same.alarm.CheckRotation();
    EXPECT_EQ(same.music.log, (std::vector<std::string>{"stop", "url:/m/x.mp3", "play"}));
}

TEST(AlarmMusic, RotationNeedsRepeatRandomATickAndAKnownLength) {
    struct Case {
        bool repeat;
        bool random;
        double duration;
        bool stopFirst;
    };
    for (const Case& c : {Case{false, true, 1, false}, Case{true, false, 1, false},
                          Case{true, true, 0, false}, Case{true, true, 1, true}}) {
        MusicFixture f;
        f.StoreList({"/m/a.mp3", "/m/b.mp3"});
        f.config.MusicRepeat = c.repeat;
        f.config.MusicRandom = c.random;
        f.music.duration = c.duration;
        f.alarm.StartAlarmMusic();
        if (c.stopFirst) {
            f.alarm.MenuMusicStop();
        }
        f.music.log.clear();
        f.clock.Advance(60000);
        f.alarm.CheckRotation();
        EXPECT_TRUE(f.music.log.empty()) << c.repeat << c.random << c.duration;
    }
}

TEST(AlarmMusic, AnErrorHandsTheFileToTheDesktopAndReportsOnlyItsFailure) {
    MusicFixture f;
    f.StoreList({"/m/broken.m4a"});
    f.config.MusicRepeat = true;
    f.alarm.StartAlarmMusic();
    f.music.FireError();
    EXPECT_FALSE(f.alarm.MusicPlaying());
    EXPECT_EQ(f.hooks.log, (std::vector<std::string>{"menu:on", "failed", "menu:off"}));
    EXPECT_EQ(f.music.log.back(), "stop");
    EXPECT_EQ(f.opener.opened, std::vector<std::string>{"/m/broken.m4a"});
    EXPECT_TRUE(f.notices.notices.empty());

    ASSERT_EQ(f.opener.pending.size(), 1U);
    f.opener.pending[0](4);
    EXPECT_EQ(f.notices.notices, std::vector<std::string>{"曲の再生に失敗しました。4"});

    // The stop's own report does not restart the music.
    f.music.Fire(kPlayStateStopped);
    EXPECT_EQ(f.music.plays, 1);
}

// Seen with the real pipeline when it runs slowly: the stop after a failure
// clears the player, and only then does another element report its error.
TEST(AlarmMusic, AnErrorAfterTheStopClearedThePlayerIsNotANewFailure) {
    MusicFixture f;
    f.StoreList({"/m/broken.m4a"});
    f.alarm.StartAlarmMusic();
    f.music.FireError();
    ASSERT_EQ(f.opener.pending.size(), 1U);
    f.opener.pending[0](4);
    f.music.Fire(kPlayStateStopped);
    ASSERT_EQ(f.music.url, "");
    const std::vector<std::string> hooksBefore = f.hooks.log;
    f.clock.Advance(5000);
    f.music.FireError();
    EXPECT_EQ(f.opener.opened, std::vector<std::string>{"/m/broken.m4a"});
    EXPECT_EQ(f.notices.notices, std::vector<std::string>{"曲の再生に失敗しました。4"});
    EXPECT_EQ(f.hooks.log, hooksBefore);
}

TEST(AlarmMusic, APlayerThatCannotPlayIsTreatedAsAnError) {
    MusicFixture f;
    f.StoreList({"/m/a.mp3"});
    f.music.canPlay = false;
    f.alarm.StartAlarmMusic();
    EXPECT_FALSE(f.alarm.MusicPlaying());
    EXPECT_FALSE(f.hooks.musicStopEnabled);
    EXPECT_EQ(f.opener.opened, std::vector<std::string>{"/m/a.mp3"});
}

}  // namespace
}  // namespace velmora::test
