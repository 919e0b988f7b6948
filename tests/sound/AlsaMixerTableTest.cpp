#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <memory>
#include <string>
#include <vector>

#include "PulseTestServer.h"
#include "sound/TMixer.h"
#include "sound/alsa/AlsaMixerTable.h"

namespace velmora {
namespace {

using test::PulseTestServer;

TEST(AlsaMixerCards, TheFirstCardsSpeakersAreReadAndWrittenBack) {
    if (AlsaMixerTable::CardNames().empty()) {
        GTEST_SKIP() << "no ALSA sound card on this machine: the card mixers are not exercised "
                        "(the table is still exercised through the PulseAudio plugin)";
    }
    TMixer mixer(std::make_unique<AlsaMixerTable>());
    mixer.Loaded();
    ASSERT_FALSE(mixer.Devices().empty());
    const TMixerItem* speakers = mixer.SpeakersItem();
    if (speakers == nullptr) {
        GTEST_SKIP() << "the first sound card has no playback element";
    }
    EXPECT_EQ(speakers->Parent, nullptr);
    if (const TMixerCtrl* level = speakers->VolumeCtrl()) {
        const int percent = mixer.GetSpeakersVolume();
        ASSERT_GE(percent, 0);
        ASSERT_LE(percent, 100);
        mixer.SetSpeakersVolume(percent);
        // A card's level has steps of its own; the value comes back within one.
        const double step = 100.0 / std::max<std::uint32_t>(level->Metrics[0], 1);
        EXPECT_NEAR(mixer.GetSpeakersVolume(), percent, step + 1.0);
    }
    if (speakers->HasMute()) {
        const bool muted = mixer.GetSpeakersMute();
        mixer.SetSpeakersMute(muted);
        EXPECT_EQ(mixer.GetSpeakersMute(), muted);
    }
}

// ALSA's PulseAudio plugin gives the server's default output as the
// "Master" element of an ALSA mixer, so the whole ALSA table runs against
// the test server even on a machine without sound cards.
class AlsaThroughPulse : public ::testing::Test {
protected:
    void SetUp() override {
        std::string problem = PulseTestServer::Problem();
        if (problem.empty()) {
            mixer_ = std::make_unique<TMixer>(
                std::make_unique<AlsaMixerTable>(std::vector<std::string>{"pulse"}));
            mixer_->Loaded();
            if (mixer_->SpeakersItem() == nullptr) {
                problem = "ALSA's PulseAudio plugin (libasound2-plugins) gives no mixer";
            }
        }
        if (problem.empty()) {
            return;
        }
        if (PulseTestServer::Configured()) {
            FAIL() << problem;
        }
        GTEST_SKIP() << problem << " (scripts/test starts a server)";
    }

    std::unique_ptr<TMixer> mixer_;
};

TEST_F(AlsaThroughPulse, SetsTheLevelAndMuteOfTheServersOutput) {
    test::DefaultSinkState keep;
    PulseTestServer::SetVolumes("@DEFAULT_SINK@", {65536, 65536});
    PulseTestServer::SetMuted("@DEFAULT_SINK@", false);
    TMixer& mixer = *mixer_;
    const TMixerItem& speakers = *mixer.SpeakersItem();
    EXPECT_EQ(speakers.Name, "Master");
    EXPECT_EQ(speakers.Channels, 2U);
    ASSERT_TRUE(speakers.HasVolume());
    ASSERT_TRUE(speakers.HasMute());
    EXPECT_EQ(mixer.GetSpeakersVolume(), 100);
    EXPECT_FALSE(mixer.GetSpeakersMute());

    mixer.SetSpeakersVolume(50);
    for (long volume : PulseTestServer::Volumes("@DEFAULT_SINK@")) {
        EXPECT_NEAR(static_cast<double>(volume), 32768.0, 2.0);
    }
    EXPECT_EQ(mixer.GetSpeakersVolume(), 50);
    mixer.SetSpeakersMute(true);
    EXPECT_TRUE(PulseTestServer::Muted("@DEFAULT_SINK@"));
    EXPECT_TRUE(mixer.GetSpeakersMute());
}

TEST_F(AlsaThroughPulse, ChangesFromOutsideReachTheHandlerThroughTheEventLoop) {
    test::DefaultSinkState keep;
    TMixer& mixer = *mixer_;
    std::vector<TMixerControlType> changed;
    mixer.OnControlChange = [&](TMixer&, TMixerDev&, TMixerItem& item, TMixerCtrl& control) {
        EXPECT_EQ(&item, mixer.SpeakersItem());
        changed.push_back(control.ControlType);
    };
    PulseTestServer::SetVolumes("@DEFAULT_SINK@", {13107, 13107});  // 20 %
    PulseTestServer::SetMuted("@DEFAULT_SINK@", !PulseTestServer::Muted("@DEFAULT_SINK@"));
    QElapsedTimer timer;
    timer.start();
    while (changed.size() < 2 && timer.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    EXPECT_NE(std::find(changed.begin(), changed.end(), TMixerControlType::ctVolume),
              changed.end());
    EXPECT_NE(std::find(changed.begin(), changed.end(), TMixerControlType::ctMute), changed.end());
    EXPECT_EQ(mixer.GetSpeakersVolume(), 20);
}

}  // namespace
}  // namespace velmora
