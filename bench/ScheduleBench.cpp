// Measures the holiday calendar over every day from 1948 to 2100, and the
// alarm search in its worst bounded case: every day is tested against the
// holidays and excluded, so the search runs to its limit and gives up.
// Usage: schedule_bench [ROUNDS]   (default 20)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "schedule/AlarmSchedule.h"
#include "schedule/HolidayCalendar.h"
#include "schedule/HolidayRules.h"

using namespace velmora;
using Clock = std::chrono::steady_clock;

namespace {

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Figures {
    double mean = 0;
    double worst = 0;
};

template <typename Work>
Figures Measure(int rounds, Work&& work) {
    Figures f;
    for (int i = 0; i < rounds; ++i) {
        const auto start = Clock::now();
        work();
        const double ms = MsSince(start);
        f.mean += ms / rounds;
        f.worst = std::max(f.worst, ms);
    }
    return f;
}

int CountDaysOff(const HolidayCalendar& calendar) {
    int count = 0;
    std::string name;
    for (DateTime day = EncodeDate(1948, 1, 1); day <= EncodeDate(2100, 12, 31); day += 1) {
        count += calendar.IsHoliday(DecodeDate(day), name) ? 1 : 0;
    }
    return count;
}

// The rules' own answers for 1955..2030 in the published list's form, so the
// override path is measured on a list of realistic size.
std::string PublishedListFromRules() {
    std::string text = "header\r\n";
    std::string name;
    for (DateTime day = EncodeDate(1955, 1, 1); day <= EncodeDate(2030, 12, 31); day += 1) {
        const CivilDate date = DecodeDate(day);
        if (IsHoliday(date, name)) {
            text += std::to_string(date.year) + "/" + std::to_string(date.month) + "/" +
                    std::to_string(date.day) + ",x\r\n";
        }
    }
    return text;
}

Settings NothingCanRing(int dayOrWeek) {
    Settings s;
    s.DayOrWeek = dayOrWeek;
    s.DayTime = kAlarmTimeDate + EncodeTime(6, 30, 0);
    s.WeekTime.fill(kAlarmTimeDate + EncodeTime(6, 30, 0));
    s.NoAlarmHoliday = true;
    s.NoAlarmDayOfMonth.fill(true);
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const long days = static_cast<long>(EncodeDate(2100, 12, 31) - EncodeDate(1948, 1, 1)) + 1;

    const HolidayCalendar rules;
    int daysOff = 0;
    const Figures all = Measure(rounds, [&] { daysOff = CountDaysOff(rules); });
    std::printf(
        "IsHoliday, every day 1948..2100 (%ld days, %d days off): mean %.2f ms, worst "
        "%.2f ms over %d rounds\n",
        days, daysOff, all.mean, all.worst, rounds);

    const HolidayCalendar listed(HolidayTable::Parse(PublishedListFromRules()));
    const Figures withList = Measure(rounds, [&] { daysOff = CountDaysOff(listed); });
    std::printf(
        "IsHoliday with a published list for 1955..2030 (%d days off): mean %.2f ms, "
        "worst %.2f ms\n",
        daysOff, withList.mean, withList.worst);

    const DateTime now = EncodeDate(2024, 3, 5) + EncodeTime(12, 0, 0);
    for (int mode : {0, 1}) {
        const Settings settings = NothingCanRing(mode);
        const AlarmSchedule schedule(settings, rules);
        bool found = false;
        const Figures search =
            Measure(rounds * 10, [&] { found = schedule.ComputeNextAlarm(now).has_value(); });
        std::printf(
            "ComputeNextAlarm, %s, every day excluded (%d days searched, %s): mean "
            "%.3f ms, worst %.3f ms over %d runs\n",
            mode == 0 ? "every day" : "per weekday", kAlarmSearchDays, found ? "found" : "off",
            search.mean, search.worst, rounds * 10);
    }
    return 0;
}
