#include <gtest/gtest.h>

#include "sim/SimHarness.h"

namespace velmora::test {
namespace {

std::vector<int> Percents(const std::vector<SimEvent>& volumes) {
    std::vector<int> percents;
    for (const SimEvent& e : volumes) {
        percents.push_back(std::stoi(e.Details.substr(e.Details.find('=') + 1)));
    }
    return percents;
}

// The dialog's music test with "gradually louder": up 3 about every 3
// seconds to the maximum bar, then held there.
TEST(TickSteps, MusicTestRampsToTheMaximumBar) {
    SimHarness harness({"[Jiho]", "Use=0"});
    auto sim = harness.Start("2024/01/02 9:00:00", "2024/01/02 9:00:30");
    sim->RunUntil(At("2024/01/02 9:00:05"));
    sim->Dialog().SetMusicTest(true, true, 50, 62);
    sim->State().RampStart = sim->Time().Now();
    sim->State().RampVolume = 50;
    sim->Run();
    const auto volumes = Named(*sim, "VOLUME");
    EXPECT_EQ(Percents(volumes), (std::vector<int>{53, 56, 59, 62, 62, 62, 62, 62}));
    for (size_t i = 1; i < volumes.size(); ++i) {
        EXPECT_GE(volumes[i].Ms - volumes[i - 1].Ms, 3000);
        EXPECT_LT(volumes[i].Ms - volumes[i - 1].Ms, 3100);
    }
    // A test without the check box does not ramp.
    sim->Dialog().SetMusicTest(true, false, 50, 62);
    sim->RunUntil(At("2024/01/02 9:01:00"));
    EXPECT_EQ(Named(*sim, "VOLUME").size(), volumes.size());
}

// A failed volume restore clears its flags and ends that tick: the mute
// restore waits for the next tick.
TEST(TickSteps, FailedVolumeRestoreSkipsTheRestOfThatTickOnly) {
    SimHarness harness(
        {"[Jiho]", "Use=0", "[Alarm]", "Use=1", "DayTime=2011/01/01 7:00:00", "BeforeSoundNo=4"});
    auto sim = harness.Start("2024/01/02 6:58:00", "2024/01/02 7:00:30", [](SimulationConfig& c) {
        c.UserMuted = true;
        c.StopAfterMs = 10'000;
    });
    sim->RunUntil(At("2024/01/02 7:00:09"));
    ASSERT_TRUE(sim->State().Ringing);
    EXPECT_FALSE(sim->Output().Muted());  // the alarm unmuted the output
    sim->Output().SetRefuseLevel(true);
    long long t = At("2024/01/02 7:00:09");
    while (sim->Volume().VolumeChanged() && t < At("2024/01/02 7:00:12")) {
        t += 100;
        sim->RunUntil(t);
    }
    ASSERT_FALSE(sim->Volume().VolumeChanged());
    EXPECT_FALSE(sim->Volume().VolumeSaved());
    EXPECT_FALSE(sim->Output().Muted());
    EXPECT_TRUE(sim->Volume().MuteChanged());
    sim->RunUntil(t + 100);
    EXPECT_TRUE(sim->Output().Muted());
    EXPECT_FALSE(sim->Volume().MuteChanged());
    EXPECT_TRUE(Named(*sim, "RESTORE").empty());
}

// The recording's progress in whole seconds; at 60 the recording stops.
TEST(TickSteps, RecordingStopsAtSixtySeconds) {
    SimHarness harness({"[Jiho]", "Use=0"});
    auto sim = harness.Start("2024/01/02 9:00:00", "2024/01/02 9:01:30");
    sim->RunUntil(At("2024/01/02 9:00:05"));
    sim->Dialog().StartRecording(sim->Time().Milliseconds());
    sim->Run();
    const auto& shown = sim->Dialog().RecordSecondsShown();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.front(), 0);
    EXPECT_EQ(shown.back(), 60);
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));
    EXPECT_EQ(std::count(shown.begin(), shown.end(), 59), 10);
    EXPECT_EQ(sim->Dialog().RecordStops(), 1);
}

// Random music that repeats moves on to another file once the current one
// has had its length plus three seconds.
TEST(TickSteps, RandomMusicRotatesToAnotherFile) {
    SimHarness harness({});
    const std::string a = harness.WriteWave("a.wav", 4000);
    const std::string b = harness.WriteWave("b.wav", 4000);
    const std::string c = harness.WriteWave("c.wav", 4000);
    harness.WriteIni({"[Jiho]", "Use=0", "[Alarm]", "Use=1", "DayTime=2011/01/01 7:00:00", "Word=0",
                      "[Music]", "No=1", "Count=4", "1=" + a, "2=" + b, "3=" + c, "Random=1",
                      "Repeat=1"});
    auto sim = harness.Start("2024/01/02 6:58:00", "2024/01/02 7:00:40");
    sim->Run();
    const auto music = Named(*sim, "MUSIC");
    ASSERT_GE(music.size(), 5u);
    for (size_t i = 1; i < music.size(); ++i) {
        EXPECT_NE(music[i].Details, music[i - 1].Details);
        EXPECT_GT(music[i].Ms - music[i - 1].Ms, 7000);
        EXPECT_LE(music[i].Ms - music[i - 1].Ms, 8100);
    }
}

// While the settings dialog shows a message box the hands are not redrawn.
TEST(TickSteps, RedrawHeldWhileAMessageShows) {
    SimHarness harness({"[Jiho]", "Use=0"});
    auto sim = harness.Start("2024/01/02 9:00:00", "2024/01/02 9:00:10");
    sim->RunUntil(At("2024/01/02 9:00:05"));
    const long long drawn = sim->Window().Draws();
    EXPECT_EQ(drawn, 50);
    sim->Dialog().SetMessageShowing(true);
    sim->Run();
    EXPECT_EQ(sim->Window().Draws(), drawn);
}

}  // namespace
}  // namespace velmora::test
