#include <gtest/gtest.h>

#include "sim/SimHarness.h"

namespace velmora::test {
namespace {

// While Speak waits for a long before sound, the event loop delivers a
// hundred ticks inside it. None of them may start a second utterance, a
// second alarm or the music early.
TEST(NestedTicks, NothingStartsTwiceDuringALongBeforeSound) {
    SimHarness harness({});
    const std::string longSound = harness.WriteWave("long.wav", 9000);
    const std::string music = harness.WriteWave("music.wav", 120'000);
    harness.WriteIni({"[Jiho]", "Use=1", "Mode=0", "MinitInterval=1", "[Alarm]", "Use=1",
                      "DayTime=2011/01/01 7:00:00", "BeforeSoundNo=14", "BeforeSoundCount=15",
                      "[BeforeSound]", "14=" + longSound, "[Music]", "No=1", "Count=2",
                      "1=" + music});
    auto sim = harness.Start("2024/01/02 6:58:30", "2024/01/02 7:00:40");
    sim->Run();
    EXPECT_GT(sim->NestedTicks(), 250);
    EXPECT_EQ(Named(*sim, "ALARM-START").size(), 1u);
    const auto words = Named(*sim, "SPEAK");
    ASSERT_EQ(words.size(), 4u);  // 9 s of sound and 2 s of words each
    for (size_t i = 1; i < words.size(); ++i) {
        EXPECT_GE(words[i].Ms - words[i - 1].Ms, 11'000);
    }
    const auto music_ = Named(*sim, "MUSIC");
    ASSERT_EQ(music_.size(), 1u);
    EXPECT_GE(music_[0].Ms, words[0].Ms + 9000);
    // The alarm holds the time signal off: 07:00 is not spoken.
    EXPECT_TRUE(NamedBetween(*sim, "JIHO", "2024/01/02 7:00:00", "2024/01/02 7:01:00").empty());
}

// The time signal's tone at 06:59:57 is still being waited for when the
// alarm's window opens: the tick nested in that wait must not start the
// alarm inside the signal's Speak. It starts once the signal is over,
// still within its window.
TEST(NestedTicks, AlarmWaitsForTheTimeSignalsSpeak) {
    SimHarness harness({"[Jiho]", "Use=1", "Mode=1", "HourInterval=1", "BeforeSoundNo=5", "[Alarm]",
                        "Use=1", "DayTime=2011/01/01 7:00:00", "BeforeSoundNo=4"});
    auto sim = harness.Start("2024/01/02 6:58:30", "2024/01/02 7:00:20",
                             [](SimulationConfig& c) { c.UtteranceMs = 1500; });
    sim->Run();
    EXPECT_GT(sim->NestedTicks(), 0);
    const auto signal = Named(*sim, "JIHO");
    ASSERT_EQ(signal.size(), 1u);
    const auto starts = Named(*sim, "ALARM-START");
    ASSERT_EQ(starts.size(), 1u);
    // The 4.5 s tone, then 1.5 s of speech, then the next tick.
    EXPECT_GE(starts[0].Ms, signal[0].Ms + 6000);
    EXPECT_LE(starts[0].Ms, At("2024/01/02 7:00:05"));
    const auto words = Named(*sim, "SPEAK");
    ASSERT_FALSE(words.empty());
    EXPECT_GT(words[0].Ms, starts[0].Ms);
}

// An event loop that delivers a tick on every round: inside each wait of
// Speak, each message round of the alarm's start and repetition, and the
// arming. Still one alarm, one utterance at a time, one signal per mark.
TEST(NestedTicks, ATickInEveryRoundOfTheEventLoop) {
    SimHarness harness({"[Jiho]", "Use=1", "Mode=0", "MinitInterval=1", "BeforeSoundNo=2",
                        "[Alarm]", "Snooze=1", "DayTime=2011/01/01 7:00:00", "BeforeSoundNo=4",
                        "VolumeUp=1", "MaxVolume=80", "SnoozeInterval=1"});
    auto sim = harness.Start("2024/01/02 6:58:30", "2024/01/02 7:02:00", [](SimulationConfig& c) {
        c.StopAfterMs = 20'000;
        c.SnoozeAnswerYes = false;
    });
    sim->SetTickOnEveryPump(true);
    sim->Run();
    EXPECT_GT(sim->NestedTicks(), 300);
    EXPECT_EQ(Named(*sim, "ALARM-START").size(), 1u);
    EXPECT_EQ(Named(*sim, "JIHO").size(), 1u);  // 06:59; the alarm holds the later marks
    // Each utterance (0.15 s of sound, 2 s of words) only after the last.
    const auto words = Named(*sim, "SPEAK");
    ASSERT_GT(words.size(), 10u);
    for (size_t i = 1; i < words.size(); ++i) {
        EXPECT_GE(words[i].Ms - words[i - 1].Ms, 2150) << ClockOf(words[i]);
    }
    EXPECT_EQ(Named(*sim, "BEFORE").size(), words.size() + 1);
    EXPECT_EQ(Named(*sim, "STOP").size(), Named(*sim, "SNOOZE-WAIT").size());
}

}  // namespace
}  // namespace velmora::test
