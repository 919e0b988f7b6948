#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fakes/FakeMasterVolume.h"
#include "fakes/FakeSoundActivity.h"
#include "sound/MasterVolumeControl.h"

namespace velmora {
namespace {

using Strings = std::vector<std::string>;

// A control over a fake output, on either path.
struct Rig {
    explicit Rig(bool endpoint, double level = 80.0, bool muted = false) {
        auto owned = std::make_unique<test::FakeMasterVolume>();
        volume = owned.get();
        volume->level = level;
        volume->muted = muted;
        control = std::make_unique<MasterVolumeControl>(std::move(owned), endpoint, activity);
    }
    test::FakeSoundActivity activity;
    test::FakeMasterVolume* volume = nullptr;
    std::unique_ptr<MasterVolumeControl> control;
};

class BothPaths : public ::testing::TestWithParam<bool> {};
INSTANTIATE_TEST_SUITE_P(Volume, BothPaths, ::testing::Values(true, false),
                         [](const auto& param) { return param.param ? "Endpoint" : "Mixer"; });

TEST_P(BothPaths, RaisesThenRestoresOnTheFirstQuietTick) {
    Rig rig(GetParam(), 37.5);
    rig.control->SetMasterVolume(50);
    EXPECT_EQ(rig.volume->level, 50.0);
    EXPECT_TRUE(rig.control->VolumeSaved());
    EXPECT_TRUE(rig.control->VolumeChanged());
    EXPECT_EQ(rig.control->SavedVolume(), 37.5);

    rig.activity.channel0 = kChannelPlayingOnce;
    EXPECT_EQ(rig.control->RestoreMasterVolume(), RestoreResult::NotDue);
    EXPECT_EQ(rig.volume->level, 50.0);

    rig.activity.channel0 = kChannelIdle;
    EXPECT_EQ(rig.control->RestoreMasterVolume(), RestoreResult::Restored);
    EXPECT_EQ(rig.volume->level, 37.5);
    EXPECT_FALSE(rig.control->VolumeSaved());
    EXPECT_FALSE(rig.control->VolumeChanged());
    EXPECT_EQ(rig.control->RestoreMasterVolume(), RestoreResult::NotDue);
    EXPECT_EQ(rig.volume->writes, (Strings{"level:50", "level:37.5"}));
}

struct Blocker {
    const char* name;
    std::function<void(test::FakeSoundActivity&)> set;
    bool blocksVolume;
    bool blocksMute;
};

TEST_P(BothPaths, EachActivityHoldsTheRestoresBack) {
    const std::vector<Blocker> blockers = {
        {"speaking", [](auto& a) { a.speaking = true; }, true, true},
        {"channel 0 once", [](auto& a) { a.channel0 = kChannelPlayingOnce; }, true, true},
        {"channel 0 looped", [](auto& a) { a.channel0 = kChannelPlayingLooped; }, true, true},
        {"channel 1 once", [](auto& a) { a.channel1 = kChannelPlayingOnce; }, true, true},
        // Only a recorded voice playing once holds the restore; a looped
        // channel 1 is not speech the restore waits for.
        {"channel 1 looped", [](auto& a) { a.channel1 = kChannelPlayingLooped; }, false, false},
        {"ramp", [](auto& a) { a.rampRunning = true; }, true, false},
        {"music test", [](auto& a) { a.musicTestPlaying = true; }, true, false},
        // The snooze pause rings on too: its level holds until the end.
        {"ringing", [](auto& a) { a.ringing = true; }, true, true},
        {"music", [](auto& a) { a.musicPlaying = true; }, false, true},
    };
    for (const Blocker& blocker : blockers) {
        SCOPED_TRACE(blocker.name);
        Rig rig(GetParam(), 20.0, true);
        rig.control->UnmuteMaster();
        rig.control->SetMasterVolume(90);
        ASSERT_FALSE(rig.volume->muted);
        blocker.set(rig.activity);

        EXPECT_EQ(rig.control->RestoreMasterVolume(),
                  blocker.blocksVolume ? RestoreResult::NotDue : RestoreResult::Restored);
        EXPECT_EQ(rig.volume->level, blocker.blocksVolume ? 90.0 : 20.0);
        EXPECT_EQ(rig.control->RestoreMasterMute(),
                  blocker.blocksMute ? RestoreResult::NotDue : RestoreResult::Restored);
        EXPECT_EQ(rig.volume->muted, !blocker.blocksMute);

        rig.activity = test::FakeSoundActivity{};
        rig.control->RestoreMasterVolume();
        rig.control->RestoreMasterMute();
        EXPECT_EQ(rig.volume->level, 20.0);
        EXPECT_TRUE(rig.volume->muted);
    }
}

TEST_P(BothPaths, ARampRestoresTheLevelFromBeforeItsFirstStep) {
    Rig rig(GetParam(), 64.0);
    rig.control->SetMasterVolume(30);
    rig.activity.rampRunning = true;
    for (int step = 33; step <= 45; step += 3) {
        rig.control->SetMasterVolume(step);
    }
    EXPECT_EQ(rig.volume->level, 45.0);
    EXPECT_EQ(rig.control->RestoreMasterVolume(), RestoreResult::NotDue);
    rig.activity.rampRunning = false;
    EXPECT_EQ(rig.control->RestoreMasterVolume(), RestoreResult::Restored);
    EXPECT_EQ(rig.volume->level, 64.0);
}

// Two raises before the restore (an announcement while the previous one still
// plays, the dialog's volume test moved during speech) must still hand back
// the user's level, not the first raise.
TEST_P(BothPaths, ASecondRaiseBeforeTheRestoreKeepsTheUsersLevel) {
    Rig rig(GetParam(), 15.0);
    rig.activity.speaking = true;
    rig.control->SetMasterVolume(50);
    rig.control->SetMasterVolume(70);
    rig.activity.speaking = false;
    EXPECT_EQ(rig.control->RestoreMasterVolume(), RestoreResult::Restored);
    EXPECT_EQ(rig.volume->level, 15.0);
    // Once restored, the next raise saves afresh.
    rig.volume->level = 42.0;
    rig.control->SetMasterVolume(60);
    rig.control->RestoreMasterVolume();
    EXPECT_EQ(rig.volume->level, 42.0);
}

TEST_P(BothPaths, AnOutputThatWasNotMutedIsNeverTouched) {
    Rig rig(GetParam(), 80.0, false);
    rig.control->UnmuteMaster();
    EXPECT_FALSE(rig.control->MuteChanged());
    EXPECT_EQ(rig.control->RestoreMasterMute(), RestoreResult::NotDue);
    EXPECT_TRUE(rig.volume->writes.empty());
}

TEST_P(BothPaths, AMutedAlarmOutputStaysUnmutedUntilRingingAndMusicEnd) {
    Rig rig(GetParam(), 80.0, true);
    rig.activity.ringing = true;
    rig.activity.musicPlaying = true;
    rig.control->UnmuteMaster();
    EXPECT_TRUE(rig.control->MuteChanged());
    EXPECT_FALSE(rig.volume->muted);
    EXPECT_EQ(rig.control->RestoreMasterMute(), RestoreResult::NotDue);
    rig.activity.ringing = false;
    EXPECT_EQ(rig.control->RestoreMasterMute(), RestoreResult::NotDue);
    EXPECT_FALSE(rig.volume->muted);
    rig.activity.musicPlaying = false;
    EXPECT_EQ(rig.control->RestoreMasterMute(), RestoreResult::Restored);
    EXPECT_TRUE(rig.volume->muted);
    EXPECT_FALSE(rig.control->MuteChanged());
}

TEST_P(BothPaths, ASecondUnmuteBeforeTheRestoreKeepsTheUsersMute) {
    Rig rig(GetParam(), 80.0, true);
    rig.activity.ringing = true;
    rig.control->UnmuteMaster();
    rig.control->UnmuteMaster();
    rig.activity.ringing = false;
    rig.control->RestoreMasterMute();
    EXPECT_TRUE(rig.volume->muted);
}

TEST_P(BothPaths, AFailedRestoreClearsTheFlagsAndIsNotRetried) {
    Rig rig(GetParam(), 25.0, true);
    rig.control->UnmuteMaster();
    rig.control->SetMasterVolume(55);
    rig.volume->setLevelFails = true;
    rig.volume->setMuteFails = true;
    EXPECT_EQ(rig.control->RestoreMasterVolume(), RestoreResult::Failed);
    EXPECT_EQ(rig.control->RestoreMasterMute(), RestoreResult::Failed);
    EXPECT_FALSE(rig.control->VolumeSaved() || rig.control->VolumeChanged() ||
                 rig.control->MuteChanged());
    rig.volume->setLevelFails = false;
    rig.volume->setMuteFails = false;
    EXPECT_EQ(rig.control->RestoreMasterVolume(), RestoreResult::NotDue);
    EXPECT_EQ(rig.control->RestoreMasterMute(), RestoreResult::NotDue);
    EXPECT_EQ(rig.volume->level, 55.0);
}

TEST_P(BothPaths, AnOutputGoneBeforeTheRestoreFailsIt) {
    Rig rig(GetParam(), 25.0);
    rig.control->SetMasterVolume(55);
    rig.volume->present = false;
    EXPECT_EQ(rig.control->RestoreMasterVolume(), RestoreResult::Failed);
    EXPECT_FALSE(rig.control->VolumeChanged());
}

TEST(EndpointPath, NoOutputSavesAndChangesNothing) {
    Rig rig(true, 25.0);
    rig.volume->present = false;
    rig.control->SetMasterVolume(50);
    rig.control->UnmuteMaster();
    EXPECT_FALSE(rig.control->VolumeSaved() || rig.control->VolumeChanged() ||
                 rig.control->MuteChanged());
    EXPECT_TRUE(rig.volume->writes.empty());
}

TEST(EndpointPath, AnUnreadableLevelIsNotOverwritten) {
    Rig rig(true, 25.0);
    rig.volume->getLevelFails = true;
    rig.control->SetMasterVolume(50);
    EXPECT_FALSE(rig.control->VolumeSaved());
    EXPECT_FALSE(rig.control->VolumeChanged());
    EXPECT_EQ(rig.volume->level, 25.0);
}

TEST(EndpointPath, ARefusedLevelLeavesNothingToRestore) {
    Rig rig(true, 25.0);
    rig.volume->setLevelFails = true;
    rig.control->SetMasterVolume(50);
    EXPECT_TRUE(rig.control->VolumeSaved());
    EXPECT_FALSE(rig.control->VolumeChanged());
    EXPECT_EQ(rig.control->RestoreMasterVolume(), RestoreResult::NotDue);
}

TEST(EndpointPath, ARefusedUnmuteLeavesNothingToRestore) {
    Rig rig(true, 25.0, true);
    rig.volume->setMuteFails = true;
    rig.control->UnmuteMaster();
    EXPECT_FALSE(rig.control->MuteChanged());
}

TEST(MixerPath, ALineWithoutVolumeIsSetButNeverRestored) {
    Rig rig(false, 25.0);
    rig.volume->hasVolume = false;
    rig.control->SetMasterVolume(50);
    EXPECT_FALSE(rig.control->VolumeSaved());
    EXPECT_TRUE(rig.control->VolumeChanged());
    EXPECT_EQ(rig.control->RestoreMasterVolume(), RestoreResult::NotDue);
}

TEST(MixerPath, ALostLineDropsThePendingRestore) {
    Rig rig(false, 25.0);
    rig.activity.speaking = true;
    rig.control->SetMasterVolume(50);
    rig.volume->present = false;
    rig.control->SetMasterVolume(60);
    EXPECT_FALSE(rig.control->VolumeSaved());
    rig.activity.speaking = false;
    EXPECT_EQ(rig.control->RestoreMasterVolume(), RestoreResult::NotDue);
}

TEST(MixerPath, ALineWithoutMuteIsLeftAlone) {
    Rig rig(false, 25.0, true);
    rig.volume->hasMute = false;
    rig.control->UnmuteMaster();
    EXPECT_FALSE(rig.control->MuteChanged());
    EXPECT_TRUE(rig.volume->writes.empty());
}

}  // namespace
}  // namespace velmora
