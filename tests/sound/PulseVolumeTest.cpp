#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "CliCommands.h"
#include "PulseTestServer.h"
#include "fakes/FakeSoundActivity.h"
#include "sound/MasterVolumeControl.h"
#include "sound/MasterVolumePath.h"
#include "sound/alsa/AlsaMixerTable.h"
#include "sound/pulse/PulseEndpointVolume.h"
#include "support/CliRun.h"
#include "support/TempDir.h"

namespace velmora {
namespace {

using test::PulseTestServer;
using Volumes = std::vector<long>;

// Every case needs the test run's server; without one configured the cases
// are skipped, with one configured that does not answer they fail.
class PulseVolume : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string problem = PulseTestServer::Problem();
        if (problem.empty()) {
            return;
        }
        if (PulseTestServer::Configured()) {
            FAIL() << problem;
        }
        GTEST_SKIP() << problem << " (scripts/test starts one)";
    }
};

// Points libpulse at another server for the life of the object.
class ServerOverride {
public:
    explicit ServerOverride(const std::string& address) {
        if (const char* server = std::getenv("PULSE_SERVER")) {
            saved_ = server;
        }
        ::setenv("PULSE_SERVER", address.c_str(), 1);
    }
    ~ServerOverride() {
        if (saved_.empty()) {
            ::unsetenv("PULSE_SERVER");
        } else {
            ::setenv("PULSE_SERVER", saved_.c_str(), 1);
        }
    }
    ServerOverride(const ServerOverride&) = delete;
    ServerOverride& operator=(const ServerOverride&) = delete;

private:
    std::string saved_;
};

constexpr const char* kNoServer = "unix:/nonexistent/velmora/native";

TEST_F(PulseVolume, SetsAndReadsTheLevelAndMuteOfAnOutput) {
    test::PrivateSink sink;
    PulseEndpointVolume volume(sink.Name());
    ASSERT_TRUE(volume.Find());
    // 50 % is the server's half of unity gain, as its own tools show it.
    ASSERT_TRUE(volume.SetLevel(50));
    EXPECT_EQ(PulseTestServer::Volumes(sink.Name()), (Volumes{32768, 32768}));
    EXPECT_EQ(volume.GetLevel(), 50.0);
    ASSERT_TRUE(volume.SetMute(true));
    EXPECT_TRUE(PulseTestServer::Muted(sink.Name()));
    EXPECT_EQ(volume.GetMute(), true);
    ASSERT_TRUE(volume.SetMute(false));
    EXPECT_FALSE(PulseTestServer::Muted(sink.Name()));
}

TEST_F(PulseVolume, SettingKeepsTheBalanceAndReadsTheLouderChannel) {
    test::PrivateSink sink;
    PulseTestServer::SetVolumes(sink.Name(), {40000, 20000});
    PulseEndpointVolume volume(sink.Name());
    EXPECT_DOUBLE_EQ(*volume.GetLevel(), 40000 * 100.0 / 65536);
    ASSERT_TRUE(volume.SetLevel(100));
    EXPECT_EQ(PulseTestServer::Volumes(sink.Name()), (Volumes{65536, 32768}));
}

TEST_F(PulseVolume, RaisesAndRestoresTheUsersLevelAndMuteOnTheServer) {
    test::PrivateSink sink;
    PulseTestServer::SetVolumes(sink.Name(), {47841, 47841});  // 73 %
    PulseTestServer::SetMuted(sink.Name(), true);
    test::FakeSoundActivity activity;
    MasterVolumeControl control(std::make_unique<PulseEndpointVolume>(sink.Name()), true, activity);
    activity.ringing = true;
    control.UnmuteMaster();
    control.SetMasterVolume(50);
    EXPECT_EQ(PulseTestServer::Volumes(sink.Name()), (Volumes{32768, 32768}));
    EXPECT_FALSE(PulseTestServer::Muted(sink.Name()));

    activity.channel0 = kChannelPlayingOnce;
    EXPECT_EQ(control.RestoreMasterVolume(), RestoreResult::NotDue);
    EXPECT_EQ(PulseTestServer::Volumes(sink.Name()), (Volumes{32768, 32768}));

    activity.channel0 = kChannelIdle;
    EXPECT_EQ(control.RestoreMasterVolume(), RestoreResult::NotDue);
    EXPECT_EQ(control.RestoreMasterMute(), RestoreResult::NotDue);
    EXPECT_FALSE(PulseTestServer::Muted(sink.Name()));
    activity.ringing = false;
    EXPECT_EQ(control.RestoreMasterVolume(), RestoreResult::Restored);
    EXPECT_EQ(PulseTestServer::Volumes(sink.Name()), (Volumes{47841, 47841}));
    EXPECT_EQ(control.RestoreMasterMute(), RestoreResult::Restored);
    EXPECT_TRUE(PulseTestServer::Muted(sink.Name()));
}

TEST_F(PulseVolume, ALevelAboveFullScaleIsPutBackExactly) {
    test::PrivateSink sink;
    PulseTestServer::SetVolumes(sink.Name(), {98304, 98304});  // 150 %
    test::FakeSoundActivity activity;
    MasterVolumeControl control(std::make_unique<PulseEndpointVolume>(sink.Name()), true, activity);
    control.SetMasterVolume(30);
    EXPECT_EQ(PulseTestServer::Volumes(sink.Name()), (Volumes{19661, 19661}));
    EXPECT_EQ(control.RestoreMasterVolume(), RestoreResult::Restored);
    EXPECT_EQ(PulseTestServer::Volumes(sink.Name()), (Volumes{98304, 98304}));
}

TEST_F(PulseVolume, AMissingOutputIsNotFound) {
    PulseEndpointVolume volume("velmora_no_such_sink");
    EXPECT_FALSE(volume.Find());
    EXPECT_EQ(volume.GetLevel(), std::nullopt);
    EXPECT_FALSE(volume.SetLevel(50));
    EXPECT_FALSE(volume.SetMute(true));
}

TEST_F(PulseVolume, TheDefaultOutputIsRaisedAndRestored) {
    test::DefaultSinkState keep;
    PulseTestServer::SetVolumes("@DEFAULT_SINK@", {26214, 26214});  // 40 %
    PulseTestServer::SetMuted("@DEFAULT_SINK@", true);
    MasterVolumePath path = ChooseMasterVolume();
    ASSERT_TRUE(path.useEndpointVolume);
    test::FakeSoundActivity activity;
    MasterVolumeControl control(std::move(path.volume), true, activity);
    control.UnmuteMaster();
    control.SetMasterVolume(80);
    EXPECT_EQ(PulseTestServer::Volumes("@DEFAULT_SINK@"), (Volumes{52429, 52429}));
    EXPECT_FALSE(PulseTestServer::Muted("@DEFAULT_SINK@"));
    EXPECT_EQ(control.RestoreMasterVolume(), RestoreResult::Restored);
    EXPECT_EQ(control.RestoreMasterMute(), RestoreResult::Restored);
    EXPECT_EQ(PulseTestServer::Volumes("@DEFAULT_SINK@"), (Volumes{26214, 26214}));
    EXPECT_TRUE(PulseTestServer::Muted("@DEFAULT_SINK@"));
}

TEST_F(PulseVolume, WithoutAServerTheMixerPathIsChosen) {
    ServerOverride none(kNoServer);
    PulseEndpointVolume endpoint;
    EXPECT_FALSE(endpoint.Connect());
    EXPECT_FALSE(endpoint.Find());
    EXPECT_EQ(endpoint.GetMute(), std::nullopt);
    const MasterVolumePath path = ChooseMasterVolume();
    EXPECT_FALSE(path.useEndpointVolume);
    ASSERT_NE(path.volume, nullptr);
}

// A server of the test's own, so that it can be stopped and started again on
// the same socket without touching the one the other tests share.
class PulseRestart : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::system("command -v pulseaudio >/dev/null 2>&1") != 0) {
            GTEST_SKIP() << "no pulseaudio program to run a server of the test's own";
        }
        ASSERT_TRUE(server_.Start());
        use_.emplace(server_.Address());
    }

    test::TempDir folder_;
    test::OwnPulseServer server_{folder_.Path()};
    std::optional<ServerOverride> use_;
};

TEST_F(PulseRestart, AStoppedAndRestartedServerIsFollowed) {
    PulseEndpointVolume volume;
    ASSERT_TRUE(volume.SetLevel(30));
    server_.Stop();
    EXPECT_FALSE(volume.Find());
    EXPECT_FALSE(volume.SetLevel(40));
    EXPECT_EQ(volume.GetMute(), std::nullopt);
    ASSERT_TRUE(server_.Start());
    EXPECT_TRUE(volume.Find());
    EXPECT_TRUE(volume.SetLevel(50));
    EXPECT_EQ(volume.GetLevel(), 50.0);
}

// The server restarts while an announcement holds the raised level: the
// next tick raises it again on the new server, and the restore still gives
// back the user's level from before.
TEST_F(PulseRestart, ARaisedLevelIsRaisedAgainAfterARestartAndTheUsersComesBack) {
    PulseEndpointVolume user;
    ASSERT_TRUE(user.SetLevel(30));
    test::FakeSoundActivity activity;
    MasterVolumeControl control(std::make_unique<PulseEndpointVolume>(), true, activity);
    activity.channel0 = kChannelPlayingOnce;
    control.SetMasterVolume(80);
    control.KeepProgramLevel();
    ASSERT_NEAR(user.GetLevel().value_or(-1), 80.0, 0.5);

    server_.Stop();
    control.KeepProgramLevel();
    ASSERT_TRUE(server_.Start());
    ASSERT_TRUE(user.SetLevel(45));  // what the new server starts the output at
    control.KeepProgramLevel();
    EXPECT_NEAR(user.GetLevel().value_or(-1), 80.0, 0.5);
    control.KeepProgramLevel();
    user.SetLevel(60);  // the user's own change, later: no restart, left alone
    control.KeepProgramLevel();
    EXPECT_NEAR(user.GetLevel().value_or(-1), 60.0, 0.5);

    activity.channel0 = kChannelIdle;
    EXPECT_EQ(control.RestoreMasterVolume(), RestoreResult::Restored);
    EXPECT_NEAR(user.GetLevel().value_or(-1), 30.0, 0.5);
}

using CliRun = test::CliResult;
using test::Cli;

TEST_F(PulseVolume, CommandLineGetsAndSetsTheDefaultOutput) {
    test::DefaultSinkState keep;
    PulseTestServer::SetMuted("@DEFAULT_SINK@", false);
    const CliRun set = Cli({"volume", "set", "40"});
    EXPECT_EQ(set.code, cli::kOk) << set.err;
    EXPECT_EQ(set.out, "Volume=40\nMute=0\n");
    EXPECT_EQ(PulseTestServer::Volumes("@DEFAULT_SINK@"), (Volumes{26214, 26214}));
    PulseTestServer::SetMuted("@DEFAULT_SINK@", true);
    PulseTestServer::SetVolumes("@DEFAULT_SINK@", {45000, 30000});
    const CliRun get = Cli({"volume", "get"});
    EXPECT_EQ(get.code, cli::kOk) << get.err;
    EXPECT_EQ(get.out, "Volume=69\nMute=1\n");
}

TEST(VolumeCommand, RefusesBadArguments) {
    for (const auto& args : std::vector<std::vector<std::string>>{{"volume"},
                                                                  {"volume", "set"},
                                                                  {"volume", "set", "101"},
                                                                  {"volume", "set", "-1"},
                                                                  {"volume", "set", "5x"},
                                                                  {"volume", "get", "1"},
                                                                  {"volume", "up"}}) {
        const CliRun run = Cli(args);
        EXPECT_EQ(run.code, cli::kUsage) << ::testing::PrintToString(args);
        EXPECT_TRUE(run.out.empty());
        EXPECT_EQ(run.err,
                  "velmora-cli: usage: velmora-cli volume get | volume set PERCENT (0..100)\n");
    }
}

TEST(VolumeCommand, SaysSoWhenNoOutputCanBeReached) {
    if (!AlsaMixerTable::CardNames().empty()) {
        GTEST_SKIP() << "this machine has an ALSA sound card, whose mixer answers";
    }
    ServerOverride none(kNoServer);
    const CliRun run = Cli({"volume", "get"});
    EXPECT_EQ(run.code, cli::kFailed);
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(run.err,
              "velmora-cli: no master volume: no PulseAudio server answers and no ALSA mixer has "
              "a speakers line\n");
}

}  // namespace
}  // namespace velmora
