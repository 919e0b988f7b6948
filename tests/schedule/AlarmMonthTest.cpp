#include <gtest/gtest.h>

#include <map>

#include "sim/SimHarness.h"

namespace velmora::test {
namespace {

// Events of that name per day ("2024/01/02" -> count).
std::map<std::string, int> PerDay(const Simulation& sim, const std::string& name) {
    std::map<std::string, int> days;
    for (const SimEvent& e : Named(sim, name)) {
        ++days[FormatSimMoment(e.Ms).substr(0, 10)];
    }
    return days;
}

void ExpectWorkingDaysOnly(const Simulation& sim) {
    std::vector<std::string> days;
    for (const SimEvent& e : Named(sim, "ALARM-START")) {
        days.push_back(FormatSimMoment(e.Ms).substr(0, 10));
        EXPECT_EQ(ClockOf(e), "06:30:00.000");
    }
    const std::vector<std::string> expected = {
        "2024/01/02", "2024/01/03", "2024/01/04", "2024/01/05", "2024/01/09", "2024/01/10",
        "2024/01/11", "2024/01/12", "2024/01/15", "2024/01/16", "2024/01/17", "2024/01/18",
        "2024/01/19", "2024/01/22", "2024/01/23", "2024/01/24", "2024/01/25", "2024/01/26",
        "2024/01/29", "2024/01/30", "2024/01/31"};
    EXPECT_EQ(days, expected);
}

void ExpectTwoSnoozesEachMorning(const Simulation& sim) {
    const auto stops = PerDay(sim, "STOP");
    const auto waits = PerDay(sim, "SNOOZE-WAIT");
    const auto ends = PerDay(sim, "ALARM-END");
    EXPECT_EQ(stops.size(), 21u);
    for (const auto& [day, count] : stops) {
        EXPECT_EQ(count, 3) << day;
        EXPECT_EQ(waits.at(day), 2) << day;
        EXPECT_EQ(ends.at(day), 1) << day;
    }
    // The repeats come five minutes after each answer; the last stop ends it.
    const auto friday = NamedBetween(sim, "STOP", "2024/01/12 0:00:00", "2024/01/13 0:00:00");
    ASSERT_EQ(friday.size(), 3u);
    EXPECT_EQ(ClockOf(friday[0]), "06:30:20.000");
    EXPECT_EQ(ClockOf(friday[1]), "06:35:40.000");
    EXPECT_EQ(ClockOf(friday[2]), "06:41:00.000");
}

// Each ending arms the next working day: Friday's goes to Monday, and the
// Friday before the holiday Monday to Tuesday.
void ExpectNextWorkingDayArmed(const Simulation& sim) {
    std::map<std::string, std::string> armedAfterEnd;
    for (const SimEvent& e : Named(sim, "ARM")) {
        armedAfterEnd[FormatSimMoment(e.Ms).substr(0, 10)] = e.Details;
    }
    EXPECT_EQ(armedAfterEnd.at("2024/01/05"), "wake=2024/01/09 06:29:00 alarm=2024/01/09 06:30:00");
    EXPECT_EQ(armedAfterEnd.at("2024/01/12"), "wake=2024/01/15 06:29:00 alarm=2024/01/15 06:30:00");
    EXPECT_EQ(armedAfterEnd.at("2024/01/31"), "wake=2024/02/01 06:29:00 alarm=2024/02/01 06:30:00");
    // The start-up step armed the first working day of the year.
    EXPECT_EQ(Named(sim, "ARM").front().Details,
              "wake=2024/01/02 06:29:00 alarm=2024/01/02 06:30:00");
}

// Every morning the ramp climbs from 40, and each snooze repeat picks it up
// where the last stop left it.
void ExpectRampAcrossSnoozes(const Simulation& sim) {
    for (const SimEvent& start : Named(sim, "ALARM-START")) {
        const std::string day = FormatSimMoment(start.Ms).substr(0, 10);
        const auto volumes = NamedBetween(sim, "VOLUME", day + " 6:30:00", day + " 6:45:00");
        const auto stops = NamedBetween(sim, "STOP", day + " 6:30:00", day + " 6:45:00");
        ASSERT_EQ(stops.size(), 3u) << day;
        ASSERT_FALSE(volumes.empty()) << day;
        EXPECT_EQ(volumes.front().Details, "percent=40") << day;
        int previous = 37;
        for (size_t s = 0; s + 1 < stops.size(); ++s) {
            std::string lastBefore;
            std::string firstAfter;
            for (const SimEvent& v : volumes) {
                if (v.Ms < stops[s].Ms) {
                    lastBefore = v.Details;
                } else if (firstAfter.empty()) {
                    firstAfter = v.Details;
                }
            }
            EXPECT_EQ(firstAfter, lastBefore) << day;
        }
        for (const SimEvent& v : volumes) {
            const int percent = std::stoi(v.Details.substr(8));
            EXPECT_GE(percent, previous) << day;
            EXPECT_LE(percent, previous + 3) << day;
            EXPECT_LE(percent, 70) << day;
            previous = percent;
        }
        EXPECT_EQ(previous, 70) << day;
    }
}

// The time signal keeps its marks, except while the alarm rings or pauses.
void ExpectTimeSignalSuspendedWhileRinging(const Simulation& sim) {
    for (const SimEvent& start : Named(sim, "ALARM-START")) {
        const std::string day = FormatSimMoment(start.Ms).substr(0, 10);
        EXPECT_TRUE(NamedBetween(sim, "JIHO", day + " 6:30:00", day + " 6:41:00").empty()) << day;
        EXPECT_EQ(NamedBetween(sim, "JIHO", day + " 6:41:00", day + " 7:00:01").size(), 4u) << day;
    }
    // On a holiday the 06:30 mark is spoken.
    EXPECT_EQ(NamedBetween(sim, "JIHO", "2024/01/08 6:30:00", "2024/01/08 6:30:01").size(), 1u);
}

// January 2024 with a weekday alarm at 06:30, silent on national holidays
// (1 January, 8 January), in SNOOZE with a 5-minute interval, a volume that
// climbs from 40 to 70, a time signal every 5 minutes, and a user who stops
// 20 s after each ringing starts and answers No, No, then Yes. One run, as a
// month of ticks takes a while.
TEST(AlarmMonth, WorkingDaysSnoozesRampAndTimeSignal) {
    SimHarness harness({"[Jiho]", "Use=1", "Mode=0", "MinitInterval=5", "[Alarm]", "Snooze=1",
                        "DayOrWeek=1", "WeekTime1=2011/01/01 6:30:00",
                        "WeekTime2=2011/01/01 6:30:00", "WeekTime3=2011/01/01 6:30:00",
                        "WeekTime4=2011/01/01 6:30:00", "WeekTime5=2011/01/01 6:30:00",
                        "BeforeSoundNo=4", "SnoozeInterval=5", "VolumeUp=1", "FirstVolume=40",
                        "MaxVolume=70", "[NoAlarm]", "Holiday=1"});
    auto sim = harness.Start("2023/12/31 12:00:00", "2024/02/01 0:00:00",
                             [](SimulationConfig& c) { c.StopAfterMs = 20'000; });
    sim->User().SetAnswers({false, false, true});
    sim->Run();
    {
        SCOPED_TRACE("working days");
        ExpectWorkingDaysOnly(*sim);
    }
    {
        SCOPED_TRACE("snoozes");
        ExpectTwoSnoozesEachMorning(*sim);
    }
    {
        SCOPED_TRACE("arming");
        ExpectNextWorkingDayArmed(*sim);
    }
    {
        SCOPED_TRACE("ramp");
        ExpectRampAcrossSnoozes(*sim);
    }
    {
        SCOPED_TRACE("time signal");
        ExpectTimeSignalSuspendedWhileRinging(*sim);
    }
}

}  // namespace
}  // namespace velmora::test
