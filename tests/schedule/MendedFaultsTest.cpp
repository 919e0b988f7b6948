#include <gtest/gtest.h>

#include "sim/SimHarness.h"

namespace velmora::test {
namespace {

// Every day at 07:00, except on the 3rd of each month.
const std::vector<std::string> kDailyExceptThird = {
    "[Jiho]",          "Use=0",     "[Alarm]",      "Use=1", "DayTime=2011/01/01 7:00:00",
    "BeforeSoundNo=4", "[NoAlarm]", "DayOfMonth3=1"};

std::vector<std::string> StartDays(const Simulation& sim) {
    std::vector<std::string> days;
    for (const SimEvent& e : Named(sim, "ALARM-START")) {
        days.push_back(FormatSimMoment(e.Ms).substr(0, 19));
    }
    return days;
}

// The computer slept through the alarm and its grace without being woken:
// the user is told, and the alarm moment moves on to the next alarm day at
// once, or the next daily window (the 3rd, a no-alarm day) would ring.
TEST(MissedAlarmWindow, AsleepThroughTheWindowArmsTheNextDay) {
    SimHarness harness(kDailyExceptThird);
    auto sim = harness.Start("2024/01/02 6:00:00", "2024/01/04 7:00:10", [](SimulationConfig& c) {
        c.StopAfterMs = 5000;
        c.WakeRight = false;
    });
    sim->Sleep(At("2024/01/02 6:50:00"), 20 * 60'000);
    sim->Run();
    EXPECT_EQ(StartDays(*sim), std::vector<std::string>{"2024/01/04 07:00:00"});
    const auto arms = Named(*sim, "ARM");
    ASSERT_GE(arms.size(), 2u);
    EXPECT_LT(arms[1].Ms - At("2024/01/02 7:10:00"), 100);
    EXPECT_EQ(arms[1].Details, "wake=2024/01/04 06:59:00 alarm=2024/01/04 07:00:00");
    const auto notices = Named(*sim, "NOTICE");
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].Details,
              "text=7時00分の目覚ましは、パソコンが眠っていたため鳴らせませんでした。");
}

// The wall clock set or the computer asleep around the 07:00 alarm: the
// alarm rings once a morning, late only within its grace, and the time
// signal goes on on the new clock.
TEST(ClockWeather, AlarmsRingOnceAMorningAndSignalsFollowTheClock) {
    struct Case {
        const char* name;
        std::vector<ClockWeather> weather;
        bool wakeRight;
        std::vector<std::string> starts;
        std::string notice;  // empty: none
        // A mark the clock reaches after the change, and how often it is
        // spoken in all (a clock set back passes some marks twice).
        std::string mark;
        size_t spoken;
        bool snooze = false;  // in SNOOZE, the user asking for the snooze
    };
    using K = ClockWeather::Kind;
    const Case cases[] = {
        {"set back an hour after ringing",
         {{K::Step, At("2024/01/02 7:30:00"), -3'600'000}},
         true,
         {"2024/01/02 07:00:00"},
         "",
         "2024/01/02 6:40:00",
         2},
        {"set back a day after ringing",
         {{K::Step, At("2024/01/02 7:30:00"), -86'400'000}},
         true,
         {"2024/01/02 07:00:00", "2024/01/02 07:00:00"},
         "",
         "2024/01/01 7:40:00",
         1},
        {"set forward a minute over the moment",
         {{K::Step, At("2024/01/02 6:59:50"), 60'000}},
         true,
         {"2024/01/02 07:00:50"},
         "",
         "2024/01/02 7:10:00",
         1},
        {"set forward an hour over the moment",
         {{K::Step, At("2024/01/02 6:30:00"), 3'600'000}},
         true,
         {},
         "text=7時00分の目覚ましは、時計が進められたため鳴らせませんでした。",
         "2024/01/02 7:40:00",
         1},
        {"asleep without the right to wake, back within the grace",
         {{K::Sleep, At("2024/01/02 6:30:00"), 1'950'000}},
         false,
         {"2024/01/02 07:02:30"},
         "",
         "2024/01/02 7:10:00",
         1},
        {"asleep, woken by the timer",
         {{K::Sleep, At("2024/01/02 6:30:00"), 7'200'000}},
         true,
         {"2024/01/02 07:00:00"},
         "",
         "2024/01/02 7:10:00",
         1},
        {"asleep through the snooze pause",
         {{K::Sleep, At("2024/01/02 7:01:00"), 1'800'000}},
         false,
         {"2024/01/02 07:00:00"},
         "text=7時03分の目覚ましは、パソコンが眠っていたため鳴らせませんでした。",
         "2024/01/02 7:40:00",
         1,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimHarness harness({"[Jiho]", "Use=1", "Mode=0", "MinitInterval=10", "[Alarm]",
                            c.snooze ? "Snooze=1" : "Use=1", "DayTime=2011/01/01 7:00:00",
                            "BeforeSoundNo=4"});
        auto sim =
            harness.Start("2024/01/02 6:00:00", "2024/01/02 7:45:00", [&](SimulationConfig& s) {
                s.StopAfterMs = 5000;
                s.SnoozeAnswerYes = !c.snooze;
                s.WakeRight = c.wakeRight;
                s.Weather = c.weather;
            });
        sim->Run();
        EXPECT_EQ(StartDays(*sim), c.starts);
        const auto notices = Named(*sim, "NOTICE");
        EXPECT_LE(notices.size(), 1u);
        EXPECT_EQ(notices.empty() ? std::string() : notices[0].Details, c.notice);
        const long long mark = At(c.mark);
        size_t spoken = 0;
        for (const SimEvent& e : Named(*sim, "JIHO")) {
            spoken += e.Ms > mark - 1000 && e.Ms <= mark ? 1 : 0;
        }
        EXPECT_EQ(spoken, c.spoken);
        EXPECT_FALSE(sim->State().Ringing);
    }
}

// Other speech covering the alarm's moment holds the alarm back, and it
// rings as soon as that speech ends: that day, not the next alarm day.
TEST(AlarmHeldBySpeech, RingsWhenTheCoveringSpeechEnds) {
    struct Case {
        const char* signal;  // the time signal that speaks over the moment
        const char* alarm;
        int utteranceMs;
    };
    const Case cases[] = {
        {"Mode=1\nHourInterval=1\nBeforeSoundNo=5", "7:00:00", 10'000},  // the tone, then the time
        {"Mode=0\nMinitInterval=1\nBeforeSoundNo=3", "7:00:01", 5000},   // a sound, then the time
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.signal);
        std::vector<std::string> ini = {"[Jiho]", "Use=1"};
        for (std::string rest = c.signal; !rest.empty();) {
            const size_t cut = rest.find('\n');
            ini.push_back(rest.substr(0, cut));
            rest = cut == std::string::npos ? "" : rest.substr(cut + 1);
        }
        ini.insert(ini.end(),
                   {"[Alarm]", "Use=1", std::string("DayTime=2011/01/01 ") + c.alarm, "Word=2"});
        SimHarness harness(ini);
        auto sim = harness.Start("2024/01/02 6:55:00", "2024/01/02 7:01:00",
                                 [&](SimulationConfig& config) {
                                     config.UtteranceMs = c.utteranceMs;
                                     config.StopAfterMs = 1000;
                                 });
        sim->Run();
        const auto signals = NamedBetween(*sim, "JIHO", "2024/01/02 6:59:30", "2024/01/02 7:00:10");
        const auto starts = Named(*sim, "ALARM-START");
        ASSERT_EQ(signals.size(), 1u);
        ASSERT_EQ(starts.size(), 1u);
        EXPECT_GT(starts[0].Ms, At(std::string("2024/01/02 ") + c.alarm) + 5000);
        // The words follow their before sound (at most 4.5 s).
        EXPECT_GE(starts[0].Ms, signals[0].Ms + c.utteranceMs);
        EXPECT_LT(starts[0].Ms, signals[0].Ms + c.utteranceMs + 5000);
        const auto arms = Named(*sim, "ARM");
        ASSERT_GE(arms.size(), 2u);
        EXPECT_GT(arms[1].Ms, starts[0].Ms);  // armed for tomorrow only after ringing
    }
}

// A wake-up timer that works resumes the computer at the wake moment: the
// display is woken once, and the alarm rings on time.
TEST(DisplayWake, ResumedAtTheWakeMomentRingsOnTime) {
    SimHarness harness(kDailyExceptThird);
    auto sim = harness.Start("2024/01/02 6:00:00", "2024/01/02 7:00:30");
    sim->Sleep(At("2024/01/02 6:10:00"), 170 * 60'000);
    sim->RunUntil(At("2024/01/02 6:58:59.900"));
    EXPECT_EQ(sim->Awake().Wakes(), 0);
    EXPECT_FALSE(sim->Awake().Inhibited());
    sim->RunUntil(At("2024/01/02 6:59:00.100"));
    EXPECT_EQ(sim->Awake().Wakes(), 1);
    EXPECT_TRUE(sim->Awake().Inhibited());
    sim->Run();
    EXPECT_EQ(sim->Awake().Wakes(), 1);
    EXPECT_EQ(StartDays(*sim), std::vector<std::string>{"2024/01/02 07:00:00"});
}

// The screen is woken once per wake moment; the system and the screen are
// kept awake from then until the ringing ends, and again the next day.
TEST(DisplayWake, OncePerAlarmAndReleasedWhenRingingEnds) {
    SimHarness harness(kDailyExceptThird);
    auto sim = harness.Start("2024/01/01 6:58:00", "2024/01/02 7:01:00",
                             [](SimulationConfig& c) { c.StopAfterMs = 15'000; });
    sim->RunUntil(At("2024/01/01 7:00:10"));
    EXPECT_EQ(sim->Awake().Wakes(), 1);
    EXPECT_TRUE(sim->Awake().Inhibited());
    sim->RunUntil(At("2024/01/01 7:00:16"));
    EXPECT_FALSE(sim->Awake().Inhibited());
    sim->Run();
    EXPECT_EQ(sim->Awake().Wakes(), 2);
    EXPECT_EQ(StartDays(*sim).size(), 2u);
}

// A display woken for an alarm that was then missed is let go, and the next
// alarm's wake moment wakes the display again.
TEST(DisplayWake, MissedAlarmReleasesAndTheNextWakesAgain) {
    SimHarness harness(kDailyExceptThird);
    auto sim = harness.Start("2024/01/02 6:00:00", "2024/01/04 7:00:10",
                             [](SimulationConfig& c) { c.WakeRight = false; });
    // Woken at 06:59, then asleep again before the alarm, without a timer.
    sim->Sleep(At("2024/01/02 6:59:30"), 30 * 60'000 + 30'000);
    sim->RunUntil(At("2024/01/02 6:59:10"));
    EXPECT_EQ(sim->Awake().Wakes(), 1);
    sim->RunUntil(At("2024/01/02 7:30:01"));
    EXPECT_FALSE(sim->Awake().Inhibited());
    sim->Run();
    EXPECT_EQ(sim->Awake().Wakes(), 2);
    EXPECT_EQ(StartDays(*sim), std::vector<std::string>{"2024/01/04 07:00:00"});
}

// Woken for the alarm, the user moves it later in the dialog: the keep-awake
// taken for the old moment ends there, and the new moment wakes anew.
TEST(DisplayWake, AlarmMovedAfterTheWakeReleasesUntilTheNewMoment) {
    SimHarness harness(kDailyExceptThird);
    auto sim = harness.Start("2024/01/02 6:58:00", "2024/01/02 7:10:10");
    sim->RunUntil(At("2024/01/02 6:59:30"));
    ASSERT_TRUE(sim->Awake().Inhibited());
    NoReadingService converter;
    DialogValues form = sim->OpenSettings(converter);
    form.DayTime = {"7", "10", "0"};
    ASSERT_TRUE(sim->ConfirmSettings(form));
    EXPECT_FALSE(sim->Awake().Inhibited());
    sim->Run();
    EXPECT_EQ(sim->Awake().Wakes(), 2);
    EXPECT_EQ(StartDays(*sim), std::vector<std::string>{"2024/01/02 07:10:00"});
}

// STOP while the first sound plays: Speak goes on to the words once the
// sound ends, and those must not be heard; nor may the music start.
TEST(StopDuringBeforeSound, SilencesTheWordsAndTheMusic) {
    SimHarness harness({});
    const std::string longSound = harness.WriteWave("long.wav", 8000);
    const std::string music = harness.WriteWave("music.wav", 30'000);
    harness.WriteIni({"[Jiho]", "Use=0", "[Alarm]", "Use=1", "DayTime=2011/01/01 7:00:00",
                      "BeforeSoundNo=14", "BeforeSoundCount=15", "[BeforeSound]", "14=" + longSound,
                      "[Music]", "No=1", "Count=2", "1=" + music});
    auto sim = harness.Start("2024/01/02 6:58:00", "2024/01/02 7:00:30",
                             [](SimulationConfig& c) { c.StopAfterMs = 3000; });
    sim->RunUntil(At("2024/01/02 7:00:03"));
    EXPECT_EQ(Named(*sim, "STOP").size(), 1u);
    EXPECT_EQ(Named(*sim, "ALARM-END").size(), 1u);
    EXPECT_EQ(sim->Device().Status(0), kChannelIdle);
    EXPECT_EQ(sim->Device().Status(1), kChannelIdle);
    sim->Run();
    EXPECT_EQ(Named(*sim, "SPEAK").size(), 1u);
    EXPECT_TRUE(Named(*sim, "MUSIC").empty());
    EXPECT_FALSE(sim->MusicPlayer().Playing());
    EXPECT_EQ(Named(*sim, "RESTORE").size(), 1u);
}

}  // namespace
}  // namespace velmora::test
