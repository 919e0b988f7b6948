#include <gtest/gtest.h>

#include <memory>

#include "fakes/FakeMixerDeviceTable.h"
#include "fakes/FakeSoundActivity.h"
#include "sound/MasterVolumeControl.h"
#include "sound/MixerMasterVolume.h"

namespace velmora {
namespace {

using Values = std::vector<std::uint32_t>;
using test::FakeMixerDevice;
using test::FakeMixerDeviceTable;
using test::SpeakersDevice;

struct Rig {
    explicit Rig(std::vector<FakeMixerDevice> devices) {
        auto owned = std::make_unique<FakeMixerDeviceTable>();
        table = owned.get();
        table->devices = std::move(devices);
        auto mixer = std::make_unique<TMixer>(std::move(owned));
        mixer->Loaded();
        volume = std::make_unique<MixerMasterVolume>(std::move(mixer));
    }
    FakeMixerDeviceTable* table = nullptr;
    std::unique_ptr<MixerMasterVolume> volume;
};

TEST(MixerMasterVolume, ReadsAndWritesTheSpeakersLine) {
    Rig rig({SpeakersDevice({0, 40000}, true)});
    EXPECT_TRUE(rig.volume->Find());
    EXPECT_TRUE(rig.volume->HasVolume());
    EXPECT_TRUE(rig.volume->HasMute());
    EXPECT_EQ(rig.volume->GetLevel(), 61.0);
    EXPECT_EQ(rig.volume->GetMute(), true);
    // 36.5 % is taken as 36 %, the even neighbour.
    EXPECT_TRUE(rig.volume->SetLevel(36.5));
    EXPECT_EQ(rig.table->Values(0, 10), (Values{0, 23593}));
    EXPECT_TRUE(rig.volume->SetMute(false));
    EXPECT_EQ(rig.table->Values(0, 11), (Values{0}));
}

TEST(MixerMasterVolume, ARefusingDeviceFailsQuietly) {
    Rig rig({SpeakersDevice({100, 100}, true)});
    rig.table->getResult = kMixerNoDriver;
    EXPECT_EQ(rig.volume->GetLevel(), std::nullopt);
    EXPECT_EQ(rig.volume->GetMute(), std::nullopt);
    EXPECT_FALSE(rig.volume->SetLevel(50));
    EXPECT_FALSE(rig.volume->SetMute(false));
    rig.table->getResult = kMixerOk;
    rig.table->setResult = kMixerInvalidControl;
    EXPECT_FALSE(rig.volume->SetLevel(50));
    EXPECT_FALSE(rig.volume->SetMute(false));
}

TEST(MixerMasterVolume, NoDeviceIsNoOutput) {
    Rig rig({});
    EXPECT_FALSE(rig.volume->Find());
    EXPECT_FALSE(rig.volume->HasVolume());
    EXPECT_EQ(rig.volume->GetLevel(), std::nullopt);
}

// The whole mixer path: an alarm on a muted, right-heavy output.
TEST(MixerMasterVolume, AlarmOnAMutedOutputIsPutBackAsItWas) {
    Rig rig({SpeakersDevice({0, 40000}, true)});
    FakeMixerDeviceTable& table = *rig.table;
    test::FakeSoundActivity activity;
    MasterVolumeControl control(std::move(rig.volume), false, activity);
    activity.ringing = true;
    control.UnmuteMaster();
    control.SetMasterVolume(50);
    EXPECT_EQ(table.Values(0, 10), (Values{0, 32768}));
    EXPECT_EQ(table.Values(0, 11), (Values{0}));
    activity.ringing = false;
    EXPECT_EQ(control.RestoreMasterVolume(), RestoreResult::Restored);
    EXPECT_EQ(control.RestoreMasterMute(), RestoreResult::Restored);
    // 61 % of full scale; the silent left channel stays silent.
    EXPECT_EQ(table.Values(0, 10), (Values{0, 39976}));
    EXPECT_EQ(table.Values(0, 11), (Values{1}));
}

}  // namespace
}  // namespace velmora
