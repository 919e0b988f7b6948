#include <gtest/gtest.h>

#include "settings/AlarmWords.h"
#include "sim/SimHarness.h"
#include "speech/TimePhrase.h"

namespace velmora::test {
namespace {

DateTime MomentOf(long long ms) {
    return static_cast<double>(ms) / static_cast<double>(kMsPerDay);
}

// The text of the mark `lead` seconds after the event.
std::string MarkText(const SimEvent& e, int leadSeconds) {
    return TimePhrase(MomentOf(e.Ms + leadSeconds * 1000LL)) + JihoEnding(0);
}

// The signals of the marks of 2024/01/02, the earliest starting 3 s before
// midnight.
constexpr const char* kDayFrom = "2024/01/01 23:59:30";
constexpr const char* kDayTo = "2024/01/02 23:59:30";

struct DayCase {
    const char* name;
    std::vector<std::string> ini;
    size_t signals;
    int perHour;      // marks in each hour they fall in
    int minuteStep;   // minutes between the marks of an hour
    int hourStep;     // hours between the hours with marks
    int leadSeconds;  // how long before its mark a signal starts
    int beforeSound;  // the sound that plays first, 0 = none
};

class TimeSignalDay : public ::testing::TestWithParam<DayCase> {};

// A whole day: every mark once, in the first tick of its start second, with
// the time of the mark, the signal's volume set first and the user's level
// given back after.
TEST_P(TimeSignalDay, SpeaksEveryMarkOnceOnTime) {
    const DayCase& c = GetParam();
    SimHarness harness(c.ini);
    auto sim = harness.Start("2024/01/01 23:50:00", "2024/01/02 23:59:50");
    sim->Run();

    const auto signals = NamedBetween(*sim, "JIHO", kDayFrom, kDayTo);
    ASSERT_EQ(signals.size(), c.signals);
    const long long firstMark = At("2024/01/02 0:00:00");
    for (size_t i = 0; i < signals.size(); ++i) {
        const auto n = static_cast<long long>(i);
        const long long mark =
            firstMark +
            ((n / c.perHour) * c.hourStep * 60 + (n % c.perHour) * c.minuteStep) * 60'000;
        const long long start = mark - c.leadSeconds * 1000LL;
        EXPECT_GE(signals[i].Ms, start) << ClockOf(signals[i]);
        EXPECT_LT(signals[i].Ms, start + 100) << ClockOf(signals[i]);
        EXPECT_EQ(signals[i].Details, "text=" + MarkText(signals[i], c.leadSeconds));
    }
    const auto volumes = NamedBetween(*sim, "VOLUME", kDayFrom, kDayTo);
    const auto restores = NamedBetween(*sim, "RESTORE", kDayFrom, kDayTo);
    EXPECT_EQ(volumes.size(), c.signals);
    EXPECT_EQ(restores.size(), c.signals);
    const auto before = NamedBetween(*sim, "BEFORE", kDayFrom, kDayTo);
    if (c.beforeSound == 0) {
        EXPECT_TRUE(before.empty());
    } else {
        ASSERT_EQ(before.size(), c.signals);
        EXPECT_EQ(before[0].Details, "index=" + std::to_string(c.beforeSound) + " list=jiho");
        EXPECT_EQ(before[0].Ms, signals[0].Ms);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, TimeSignalDay,
    ::testing::Values(
        DayCase{"EveryQuarterHour", {"[Jiho]", "Mode=0", "MinitInterval=15"}, 96, 4, 15, 1, 0, 0},
        DayCase{
            "EverySevenMinutes", {"[Jiho]", "Mode=0", "MinitInterval=7"}, 24 * 9, 9, 7, 1, 0, 0},
        DayCase{"EveryThreeHours", {"[Jiho]", "Mode=1", "HourInterval=3"}, 8, 1, 0, 3, 0, 0},
        DayCase{"ToneEndsOnTheHour",
                {"[Jiho]", "Mode=1", "HourInterval=1", "BeforeSoundNo=5"},
                24,
                1,
                0,
                1,
                3,
                5},
        DayCase{"SoundThenTime",
                {"[Jiho]", "Mode=1", "HourInterval=2", "BeforeSoundNo=3"},
                12,
                1,
                0,
                2,
                0,
                3}),
    [](const auto& param) { return std::string(param.param.name); });

// Marks every seven minutes restart at the top of each hour: :56 is followed
// by :00.
TEST(TimeSignal, SevenMinuteMarksCountFromTheHour) {
    SimHarness harness({"[Jiho]", "Mode=0", "MinitInterval=7"});
    auto sim = harness.Start("2024/01/02 9:50:00", "2024/01/02 10:15:00");
    sim->Run();
    std::vector<std::string> clocks;
    for (const SimEvent& e : Named(*sim, "JIHO")) {
        clocks.push_back(ClockOf(e).substr(0, 8));
    }
    EXPECT_EQ(clocks, (std::vector<std::string>{"09:56:00", "10:00:00", "10:07:00", "10:14:00"}));
}

// Speak first, tone after: each hour the announcement "ま'もなく、..." and
// then the tone, which ends on the hour and says nothing.
TEST(TimeSignal, PreAnnouncementThenToneEveryHour) {
    SimHarness harness({"[Jiho]", "Mode=1", "HourInterval=1", "SpeakBeforeSound=1"});
    auto sim = harness.Start("2024/01/02 5:50:00", "2024/01/02 8:30:00");
    sim->Run();
    std::vector<std::string> seen;
    for (const SimEvent& e : Named(*sim, "JIHO")) {
        seen.push_back(ClockOf(e).substr(0, 8) + " " + e.Details);
    }
    const std::string gobi = JihoEnding(0);
    // The first announcement after start has no measured lead yet: 6 s; then
    // 6 s plus the 2 s of speech.
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "05:59:54 text=ま'もなく、" + TimePhrase(EncodeTime(6, 0, 0)) + gobi,
                        "05:59:57 text=。",
                        "06:59:52 text=ま'もなく、" + TimePhrase(EncodeTime(7, 0, 0)) + gobi,
                        "06:59:57 text=。",
                        "07:59:52 text=ま'もなく、" + TimePhrase(EncodeTime(8, 0, 0)) + gobi,
                        "07:59:57 text=。",
                    }));
    const auto before = Named(*sim, "BEFORE");
    ASSERT_EQ(before.size(), 3u);  // the tone only: no lead sound is set
    EXPECT_EQ(before[0].Details, "index=5 list=jiho");
    EXPECT_EQ(ClockOf(before[0]).substr(0, 8), "05:59:57");
}

// A lead sound of 2.4 s and 3.6 s of speech: the first announcement starts
// 6 s before its mark and runs into the tone's second, so that tone is lost
// and the next mark gets the tone alone; from then on the announcement
// starts 6 + round(2.4) + round(3.6) = 12 s early, its lead sound first.
TEST(TimeSignal, PreAnnouncementLeadIsMeasured) {
    SimHarness harness({});
    const std::string lead = harness.WriteWave("lead.wav", 2400);
    harness.WriteIni({"[Jiho]", "Mode=1", "HourInterval=1", "SpeakBeforeSound=1", "BeforeSoundNo=6",
                      "BeforeSoundCount=7", "[BeforeJihoSound]", "6=" + lead});
    auto sim = harness.Start("2024/01/02 5:50:00", "2024/01/02 9:30:00",
                             [](SimulationConfig& c) { c.UtteranceMs = 3600; });
    sim->Run();
    std::vector<std::string> seen;
    for (const SimEvent& e : Named(*sim, "JIHO")) {
        seen.push_back(ClockOf(e).substr(0, 8) + (e.Details == "text=。" ? " tone" : " pre"));
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"05:59:54 pre", "06:59:57 tone", "07:59:48 pre",
                                              "07:59:57 tone", "08:59:48 pre", "08:59:57 tone"}));
    EXPECT_EQ(sim->State().PreAnnounceLead, 2 + 4);  // the margin of 6 s comes on top
    std::vector<std::string> sounds;
    for (const SimEvent& e : Named(*sim, "BEFORE")) {
        sounds.push_back(ClockOf(e).substr(0, 8) + " " + e.Details);
    }
    EXPECT_EQ(sounds, (std::vector<std::string>{
                          "05:59:54 index=6 list=jiho", "06:59:57 index=5 list=jiho",
                          "07:59:48 index=6 list=jiho", "07:59:57 index=5 list=jiho",
                          "08:59:48 index=6 list=jiho", "08:59:57 index=5 list=jiho"}));
}

struct RangeCase {
    const char* at;  // the mark
    int percent;
};

// Ranges: 22:00-06:00 at 20 %, 05:00-07:00 at 80 %, 12:00-12:00 at 90 %;
// the first range that holds the time wins, both ends count to the minute.
// Ticked as the program ticks, a mark is decided a moment before it.
TEST(TimeSignal, VolumeOfTheTimeOfDay) {
    SimHarness harness(
        {"[Jiho]", "Mode=0", "MinitInterval=1", "Volume=50", "StartTime0=1899/12/30 22:00:00",
         "EndTime0=1899/12/30 6:00:00", "SetteiVolume0=20", "StartTime1=1899/12/30 5:00:00",
         "EndTime1=1899/12/30 7:00:00", "SetteiVolume1=80", "StartTime2=1899/12/30 12:00:00",
         "EndTime2=1899/12/30 12:00:00", "SetteiVolume2=90"});
    const RangeCase cases[] = {{"2024/01/02 22:00:00", 20}, {"2024/01/02 21:59:00", 50},
                               {"2024/01/02 23:30:00", 20}, {"2024/01/02 5:59:00", 20},
                               {"2024/01/02 6:00:00", 20},  {"2024/01/02 6:01:00", 80},
                               {"2024/01/02 7:00:00", 80},  {"2024/01/02 7:01:00", 50},
                               {"2024/01/02 12:00:00", 90}, {"2024/01/02 12:01:00", 50}};
    for (const RangeCase& c : cases) {
        const long long mark = At(c.at);
        auto sim =
            harness.Start(FormatSimMoment(mark - 40'000).substr(0, 19),
                          FormatSimMoment(mark + 1000).substr(0, 19), [](SimulationConfig& config) {
                              config.IdealTicks = false;
                              config.AudibleLeadMs = kSoundStartLatencyMs;
                          });
        sim->Run();
        const auto volumes = Named(*sim, "VOLUME");
        ASSERT_EQ(volumes.size(), 1u) << c.at;
        EXPECT_EQ(volumes[0].Details, "percent=" + std::to_string(c.percent)) << c.at;
    }
}

// An utterance still playing when a mark comes: that mark is skipped, not
// delayed to the end of the utterance.
TEST(TimeSignal, MarkDuringSpeechIsSkipped) {
    SimHarness harness({"[Jiho]", "Mode=0", "MinitInterval=1"});
    auto sim = harness.Start("2024/01/02 9:59:30", "2024/01/02 10:05:30",
                             [](SimulationConfig& c) { c.UtteranceMs = 61'000; });
    sim->Run();
    std::vector<std::string> clocks;
    for (const SimEvent& e : Named(*sim, "JIHO")) {
        clocks.push_back(ClockOf(e).substr(0, 8));
    }
    EXPECT_EQ(clocks, (std::vector<std::string>{"10:00:00", "10:02:00", "10:04:00"}));
}

// With ticks phased to the output's latency, a signal starts that much
// before its moment (plus the ticks' 2 ms margin), so that the tone ends on
// the mark and the speech is heard at it; the text is still that of the mark.
TEST(TimeSignal, StartsEarlyByTheOutputLatency) {
    struct Case {
        const char* beforeSound;
        const char* start;
    };
    for (const Case& c : {Case{"BeforeSoundNo=5", "2024/01/02 9:59:56.977"},
                          Case{"BeforeSoundNo=0", "2024/01/02 9:59:59.977"}}) {
        SCOPED_TRACE(c.beforeSound);
        SimHarness harness({"[Jiho]", "Mode=1", "HourInterval=1", c.beforeSound});
        auto sim = harness.Start("2024/01/02 9:59:30", "2024/01/02 10:00:30",
                                 [](SimulationConfig& config) {
                                     config.IdealTicks = false;
                                     config.AudibleLeadMs = 25;
                                 });
        sim->Run();
        const auto signals = Named(*sim, "JIHO");
        ASSERT_EQ(signals.size(), 1U);
        EXPECT_EQ(signals[0].Ms, At(c.start));
        EXPECT_EQ(signals[0].Details,
                  "text=" + TimePhrase(MomentOf(At("2024/01/02 10:00:00"))) + JihoEnding(0));
    }
}

// The words of each mark are handed to the synthesizer a minute ahead, in
// the voice that then speaks them (drawn at random here), and nothing else
// is handed over before they are spoken, so synthesis never delays a signal.
TEST(TimeSignal, WordsArePreparedAheadInTheirVoice) {
    for (const char* sound : {"BeforeSoundNo=5", "BeforeSoundNo=0"}) {
        SCOPED_TRACE(sound);
        SimHarness harness({"[Jiho]", "Mode=0", "MinitInterval=1", sound, "[VoiceNo]", "Value=6"});
        auto sim = harness.Start("2024/01/02 10:13:30", "2024/01/02 10:16:10");
        sim->RunUntil(At("2024/01/02 10:14:00.200"));
        ASSERT_EQ(sim->Synthesizer().Prepared().size(), 1u);
        sim->Run();
        EXPECT_EQ(sim->Synthesizer().Synthesized().size(), 3u);
        EXPECT_EQ(sim->Synthesizer().Unprepared(), 0);
        EXPECT_EQ(sim->Synthesizer().Synthesized().back().second,
                  TimePhrase(MomentOf(At("2024/01/02 10:16:00"))) + JihoEnding(0));
    }
}

// Switched off in the tray menu: nothing at all.
TEST(TimeSignal, SilentWhenSwitchedOff) {
    SimHarness harness({"[Jiho]", "Use=0", "Mode=0", "MinitInterval=1"});
    auto sim = harness.Start("2024/01/02 9:59:00", "2024/01/02 10:05:30");
    sim->Run();
    EXPECT_TRUE(Named(*sim, "JIHO").empty());
    EXPECT_TRUE(Named(*sim, "VOLUME").empty());
}

}  // namespace
}  // namespace velmora::test
