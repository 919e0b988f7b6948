#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fakes/FakeMixerDeviceTable.h"
#include "sound/EMixerError.h"
#include "sound/TMixer.h"

namespace velmora {
namespace {

using Strings = std::vector<std::string>;
using Values = std::vector<std::uint32_t>;
using test::FakeMixerControl;
using test::FakeMixerDevice;
using test::FakeMixerDeviceTable;
using test::Line;
using test::MuteControl;
using test::SpeakersDevice;
using test::VolumeControl;

// A scanned mixer over fake devices; the test keeps the table to look at.
struct Rig {
    explicit Rig(std::vector<FakeMixerDevice> devices) {
        auto owned = std::make_unique<FakeMixerDeviceTable>();
        table = owned.get();
        table->devices = std::move(devices);
        mixer = std::make_unique<TMixer>(std::move(owned));
        mixer->Loaded();
    }
    FakeMixerDeviceTable* table = nullptr;
    std::unique_ptr<TMixer> mixer;
};

TEST(TMixerVolume, FiftyPercentOnEqualChannelsRoundsHalfToEven) {
    Rig rig({SpeakersDevice({20000, 20000})});
    rig.mixer->SetSpeakersVolume(50);
    EXPECT_EQ(rig.table->Writes(), (Strings{"set 10: 32768,32768"}));
    EXPECT_EQ(rig.mixer->GetSpeakersVolume(), 50);
}

TEST(TMixerVolume, ASilentLeftChannelKeepsTheBalanceFarRight) {
    Rig rig({SpeakersDevice({0, 40000})});
    EXPECT_EQ(rig.mixer->GetSpeakersVolume(), 61);
    EXPECT_EQ(rig.mixer->SpeakersItem()->Balance, 131071.0F);
    rig.mixer->SetSpeakersVolume(30);
    EXPECT_EQ(rig.table->Values(0, 10), (Values{0, 19660}));
}

TEST(TMixerVolume, TheLouderChannelGetsTheLevelAndTheRatioStays) {
    struct Case {
        Values before;
        int percent;
        Values after;
    };
    const std::vector<Case> cases = {
        // Balance 0.5: right = nearest(0.5 × 65535) = 32767.5 → 32768.
        {{40000, 20000}, 100, {65535, 32768}},
        {{20000, 40000}, 100, {32768, 65535}},
        // Zero level silences both channels whatever the balance.
        {{20000, 40000}, 0, {0, 0}},
        // 45874.5 goes to the even neighbour, not away from zero.
        {{1000, 1000}, 70, {45874, 45874}},
        // Out of range percentages are clamped.
        {{1000, 1000}, 150, {65535, 65535}},
        {{1000, 1000}, -5, {0, 0}},
        // A right channel at 0 stays at 0.
        {{40000, 0}, 80, {52428, 0}},
        // Levels too low to judge a balance leave it at 1.0.
        {{1000, 500}, 10, {6554, 6554}},
        // A mono line takes one value.
        {{300}, 25, {16384}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.before) + " @" + std::to_string(c.percent));
        Rig rig({SpeakersDevice(c.before)});
        rig.mixer->GetSpeakersVolume();
        rig.mixer->SetSpeakersVolume(c.percent);
        EXPECT_EQ(rig.table->Values(0, 10), c.after);
    }
}

TEST(TMixerVolume, BalanceFollowsOnlyChangesAboveAThousandth) {
    Rig rig({SpeakersDevice({40000, 20000})});
    rig.mixer->GetSpeakersVolume();
    EXPECT_FLOAT_EQ(rig.mixer->SpeakersItem()->Balance, 0.5F);
    rig.table->Values(0, 10) = {40000, 20010};  // 0.05 % off
    rig.mixer->GetSpeakersVolume();
    EXPECT_FLOAT_EQ(rig.mixer->SpeakersItem()->Balance, 0.5F);
    rig.table->Values(0, 10) = {40000, 20100};  // 0.5 % off
    rig.mixer->GetSpeakersVolume();
    EXPECT_FLOAT_EQ(rig.mixer->SpeakersItem()->Balance, 0.5025F);
}

TEST(TMixerVolume, BalanceIsNotFollowedWhenTheOptionSaysSo) {
    auto table = std::make_unique<FakeMixerDeviceTable>();
    FakeMixerDeviceTable& fake = *table;
    fake.devices = {SpeakersDevice({40000, 20000})};
    TMixer mixer(std::move(table));
    mixer.Options.Include(TMixerOption::moNoBalanceAutoUpdate);
    mixer.Scan();
    mixer.GetSpeakersVolume();
    mixer.SetSpeakersVolume(100);
    EXPECT_EQ(fake.Values(0, 10), (Values{65535, 65535}));
}

TEST(TMixerVolume, TheSameLevelOrMuteStateIsNotWrittenAgain) {
    Rig rig({SpeakersDevice({10000, 10000}, true)});
    rig.mixer->SetSpeakersVolume(40);
    rig.mixer->SetSpeakersVolume(40);
    rig.mixer->SetSpeakersMute(true);
    EXPECT_TRUE(rig.mixer->GetSpeakersMute());
    rig.mixer->SetSpeakersMute(false);
    rig.mixer->SetSpeakersMute(false);
    EXPECT_FALSE(rig.mixer->GetSpeakersMute());
    EXPECT_EQ(rig.table->Writes(), (Strings{"set 10: 26214,26214", "set 11: 0"}));
}

TEST(TMixerVolume, WithoutADeviceNothingIsReadOrWritten) {
    Rig rig({});
    EXPECT_EQ(rig.mixer->SpeakersItem(), nullptr);
    EXPECT_EQ(rig.mixer->GetSpeakersVolume(), -1);
    EXPECT_FALSE(rig.mixer->GetSpeakersMute());
    rig.mixer->SetSpeakersVolume(50);
    rig.mixer->SetSpeakersMute(true);
    EXPECT_TRUE(rig.table->Writes().empty());
}

TEST(TMixerVolume, ASpeakersLineWithoutControlsOfAKindIsLeftAlone) {
    FakeMixerDevice device;
    device.destinations.push_back(
        {Line(1, kComponentDestinationSpeakers, 2, {MuteControl(11, true)}), {}});
    Rig rig({device});
    ASSERT_NE(rig.mixer->SpeakersItem(), nullptr);
    EXPECT_FALSE(rig.mixer->SpeakersItem()->HasVolume());
    EXPECT_TRUE(rig.mixer->SpeakersItem()->HasMute());
    EXPECT_EQ(rig.mixer->GetSpeakersVolume(), -1);
    rig.mixer->SetSpeakersVolume(50);
    EXPECT_TRUE(rig.table->Writes().empty());
}

TEST(TMixerErrors, MessagesByResult) {
    const std::vector<std::pair<int, std::string>> cases = {
        {2, "デバイスIDは不正です"},
        {5, "無効なハンドルです"},
        {6, "デバイスドライバがありません"},
        {7, "メモリを割り当てられないかメモリをロックできません"},
        {10, "無効なフラグです"},
        {11, "無効なパラメータです"},
        {1024, "無効なラインです"},
        {1025, "無効なコントロールです"},
        {1, "不明なエラー:1"},
        {-19, "不明なエラー:-19"},
    };
    for (const auto& [code, message] : cases) {
        EXPECT_EQ(EMixerError(code, nullptr).what(), message);
    }
}

TEST(TMixerErrors, AFailingDeviceCallNamesTheControl) {
    Rig rig({SpeakersDevice({10000, 10000})});
    rig.table->getResult = kMixerInvalidHandle;
    try {
        rig.mixer->GetSpeakersVolume();
        FAIL() << "no error raised";
    } catch (const EMixerError& error) {
        EXPECT_STREQ(error.what(), "無効なハンドルです(Master Volume)");
        EXPECT_EQ(error.ErrorCode(), kMixerInvalidHandle);
        EXPECT_EQ(error.Control(), rig.mixer->SpeakersItem()->VolumeCtrl());
    }
}

TEST(TMixerErrors, WrongValueKindOrCountIsAnInvalidParameter) {
    Rig rig({SpeakersDevice({10000, 10000})});
    const TMixerItem& speakers = *rig.mixer->SpeakersItem();
    Values two(2);
    Values one(1);
    Values three(3);
    EXPECT_THROW(rig.mixer->GetBooleanValues(*speakers.VolumeCtrl(), two), EMixerError);
    EXPECT_THROW(rig.mixer->GetUnsignedValues(*speakers.MuteCtrl(), one), EMixerError);
    EXPECT_THROW(rig.mixer->GetUnsignedValues(*speakers.VolumeCtrl(), three), EMixerError);
    try {
        rig.mixer->SetUnsignedValues(*speakers.VolumeCtrl(), one);
    } catch (const EMixerError& error) {
        EXPECT_STREQ(error.what(), "無効なパラメータです(Master Volume)");
    }
    EXPECT_TRUE(rig.table->Writes().empty());
    EXPECT_EQ(TMixer::ValueCount(*speakers.MuteCtrl()), 1U);
}

// A device with the scan's awkward cases: a source without controls, one
// whose only control is not a wanted type, a source type not wanted, a
// destination type not wanted, a destination that cannot be read.
FakeMixerDevice AwkwardDevice() {
    FakeMixerDevice device;
    device.name = "Awkward";
    FakeMixerControl bass = VolumeControl(29, {1, 1}, "Bass");
    bass.info.controlType = 0x50030002;
    device.destinations.push_back(
        {Line(20, kComponentDestinationWaveIn, 2, {}, "Recording"),
         {Line(21, kComponentSourceLine, 2, {}, "Empty line"),
          Line(22, kComponentSourceCompactDisk, 2, {bass}, "Bass only"),
          Line(23, kComponentSourceMicrophone, 1, {VolumeControl(24, {5})}, "Mic")}});
    device.destinations.push_back(
        {Line(1, kComponentDestinationSpeakers, 2, {VolumeControl(10, {1, 1})}, "Speakers"),
         {Line(2, kComponentSourceWaveOut, 2, {VolumeControl(12, {1, 1}), MuteControl(13, false)},
               "Wave")}});
    device.destinations.push_back(
        {Line(30, kComponentDestinationHeadphones, 2, {VolumeControl(31, {1, 1})}), {}});
    device.missingDestinations = 1;
    return device;
}

std::vector<std::string> LineNames(const TMixerDev& device) {
    std::vector<std::string> names;
    for (const auto& item : device.Items) {
        names.push_back(item->Name);
    }
    return names;
}

TEST(TMixerScan, KeepsOnlyWantedLinesThatHaveWantedControls) {
    Rig rig({AwkwardDevice()});
    ASSERT_EQ(rig.mixer->Devices().size(), 1U);
    const TMixerDev& device = *rig.mixer->Devices()[0];
    EXPECT_EQ(device.Name(), "Awkward");
    // The recording destination has no control and keeps no source: gone.
    EXPECT_EQ(LineNames(device), (Strings{"Speakers", "Wave"}));
    ASSERT_EQ(device.Controls.size(), 3U);
    const TMixerItem& wave = *device.Items[1];
    EXPECT_EQ(wave.Parent, device.Items[0].get());
    EXPECT_EQ(wave.LineType, TMixerLineType::ltWaveOut);
    EXPECT_EQ(wave.FirstControl, 1);
    EXPECT_EQ(wave.VolumeCtrl()->ControlID, 12U);
    EXPECT_TRUE(wave.MuteCtrl()->Uniform());
    EXPECT_EQ(rig.mixer->SpeakersItem(), device.Items[0].get());
    EXPECT_EQ(rig.mixer->SpeakersItem()->MuteCtrl(), nullptr);
}

TEST(TMixerScan, InvalidItemsAreKeptWhenAsked) {
    auto table = std::make_unique<FakeMixerDeviceTable>();
    table->devices = {AwkwardDevice()};
    TMixer mixer(std::move(table));
    mixer.EnableInvalidItem = true;
    mixer.Scan();
    EXPECT_EQ(LineNames(*mixer.Devices()[0]),
              (Strings{"Recording", "Empty line", "Bass only", "Speakers", "Wave"}));
}

TEST(TMixerScan, ADestinationWithAKeptSourceStaysWithoutControls) {
    FakeMixerDevice device;
    device.destinations.push_back(
        {Line(1, kComponentDestinationSpeakers, 2, {}, "Speakers"),
         {Line(2, kComponentSourceSynthesizer, 2, {VolumeControl(12, {1, 1})}, "Synth")}});
    Rig rig({device});
    EXPECT_EQ(LineNames(*rig.mixer->Devices()[0]), (Strings{"Speakers", "Synth"}));
    EXPECT_FALSE(rig.mixer->SpeakersItem()->HasVolume());
}

TEST(TMixerScan, AnUnreadableDestinationEndsTheDevicesDestinations) {
    FakeMixerDevice device = SpeakersDevice({1, 1});
    device.destinations.insert(device.destinations.begin(), device.destinations[0]);
    device.destinations[0].line.infoFails = true;
    Rig rig({device});
    EXPECT_TRUE(rig.mixer->Devices()[0]->Items.empty());
    EXPECT_EQ(rig.mixer->SpeakersItem(), nullptr);
}

TEST(TMixerScan, DevicesThatCannotBeReadOrOpenedAreSkipped) {
    FakeMixerDevice noCaps = SpeakersDevice({1, 1});
    noCaps.capsFail = true;
    FakeMixerDevice noOpen = SpeakersDevice({2, 2});
    noOpen.openFails = true;
    FakeMixerDevice good = SpeakersDevice({3, 3});
    good.name = "Good";
    Rig rig({noCaps, noOpen, good});
    ASSERT_EQ(rig.mixer->Devices().size(), 1U);
    EXPECT_EQ(rig.mixer->Devices()[0]->Name(), "Good");
    EXPECT_EQ(rig.mixer->Devices()[0]->Handle(), FakeMixerDeviceTable::kFirstHandle + 2);
}

TEST(TMixerScan, OnlyTheFirstDeviceCountsForTheSpeakers) {
    FakeMixerDevice recordingOnly;
    recordingOnly.destinations.push_back(
        {Line(1, kComponentDestinationWaveIn, 2, {VolumeControl(10, {1, 1})}), {}});
    Rig rig({recordingOnly, SpeakersDevice({1, 1})});
    EXPECT_EQ(rig.mixer->Devices().size(), 2U);
    EXPECT_EQ(rig.mixer->SpeakersItem(), nullptr);
}

TEST(TMixerScan, DevicesAreClosedOnRescanAndDestruction) {
    Strings closes;
    {
        Rig rig({SpeakersDevice({1, 1}), SpeakersDevice({1, 1})});
        rig.table->closeLog = &closes;
        EXPECT_EQ(rig.table->listener, rig.mixer.get());
        rig.mixer->Scan();
        EXPECT_EQ(closes, (Strings{"close 100", "close 101"}));
    }
    EXPECT_EQ(closes, (Strings{"close 100", "close 101", "close 100", "close 101"}));
}

TEST(TMixerNames, AreCutAtTheirLimitsWithoutSplittingACharacter) {
    FakeMixerDevice device = SpeakersDevice({1, 1});
    device.name = std::string(30, 'x') + "音";                  // 33 bytes
    device.destinations[0].line.info.shortName = "スピーカー";  // 15 bytes
    device.destinations[0].line.info.name = std::string(70, 'n');
    Rig rig({device});
    EXPECT_EQ(rig.mixer->Devices()[0]->Name(), std::string(30, 'x'));
    EXPECT_EQ(rig.mixer->SpeakersItem()->ShortName, "スピーカー");
    EXPECT_EQ(rig.mixer->SpeakersItem()->Name, std::string(63, 'n'));
}

TEST(TMixerNotify, ControlAndLineChangesReachTheHandlers) {
    Rig rig({SpeakersDevice({1, 1}), SpeakersDevice({2, 2})});
    std::vector<std::string> events;
    rig.mixer->OnControlChange = [&](TMixer& mixer, TMixerDev& dev, TMixerItem& item,
                                     TMixerCtrl& ctrl) {
        EXPECT_EQ(&mixer, rig.mixer.get());
        EXPECT_EQ(ctrl.Owner, &item);
        EXPECT_EQ(item.Owner, &dev);
        events.push_back("control " + std::to_string(dev.Handle()) + " " + ctrl.Name);
    };
    rig.mixer->OnLineChange = [&](TMixer&, TMixerDev& dev, TMixerItem& item) {
        events.push_back("line " + std::to_string(dev.Handle()) + " " + item.Name);
    };
    MixerChangeListener& listener = *rig.table->listener;
    listener.ControlChanged(101, 11);
    listener.LineChanged(100, 1);
    listener.ControlChanged(100, 99);  // no such control
    listener.ControlChanged(555, 10);  // no such device
    listener.LineChanged(100, 7);      // no such line
    EXPECT_EQ(events, (Strings{"control 101 Master Mute", "line 100 Speakers"}));
}

TEST(TMixerNotify, WithoutHandlersChangesAreIgnored) {
    Rig rig({SpeakersDevice({1, 1})});
    EXPECT_NO_THROW(rig.table->listener->ControlChanged(100, 10));
    EXPECT_NO_THROW(rig.table->listener->LineChanged(100, 1));
}

TEST(TMixerTypes, PlatformCodesMapInOrder) {
    EXPECT_EQ(LineTypeFromComponent(0), TMixerLineType::dtUndefined);
    EXPECT_EQ(LineTypeFromComponent(kComponentDestinationSpeakers), TMixerLineType::dtSpeakers);
    EXPECT_EQ(LineTypeFromComponent(8), TMixerLineType::dtVoiceIn);
    EXPECT_EQ(LineTypeFromComponent(9), TMixerLineType::ltUnknown);
    EXPECT_EQ(LineTypeFromComponent(0x1000), TMixerLineType::ltUndefined);
    EXPECT_EQ(LineTypeFromComponent(kComponentSourceWaveOut), TMixerLineType::ltWaveOut);
    EXPECT_EQ(LineTypeFromComponent(0x100A), TMixerLineType::ltAnalog);
    EXPECT_EQ(LineTypeFromComponent(0x100B), TMixerLineType::ltUnknown);
    EXPECT_EQ(ControlTypeFromCode(kControlTypeVolume), TMixerControlType::ctVolume);
    EXPECT_EQ(ControlTypeFromCode(kControlTypeMute), TMixerControlType::ctMute);
    EXPECT_EQ(ControlTypeFromCode(0x21010000), TMixerControlType::ctButton);
    EXPECT_EQ(ControlTypeFromCode(0x20012277), TMixerControlType::ctUnknown);
}

}  // namespace
}  // namespace velmora
