#include "schedule/AlarmSchedule.h"

#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

// The schedule works in whole milliseconds so that "now" at exactly the
// wake moment compares equal to it, whatever the rounding of the day
// fractions it was built from.
long long ToMs(DateTime t) {
    return std::llround(t * static_cast<double>(kMsPerDay));
}

DateTime FromMs(long long ms) {
    return static_cast<double>(ms) / static_cast<double>(kMsPerDay);
}

long long DayNumber(long long ms) {
    return ms >= 0 ? ms / kMsPerDay : -((-ms + kMsPerDay - 1) / kMsPerDay);
}

// Hour, minute and second of a stored alarm time; milliseconds do not count.
long long AlarmTimeOfDayMs(DateTime t) {
    const TimeOfDay time = DecodeTime(t);
    return ((time.hour * 60LL + time.minute) * 60LL + time.second) * 1000LL;
}

DateTime DayStart(long long day) {
    return static_cast<double>(day);
}

}  // namespace

AlarmSchedule::AlarmSchedule(const Settings& settings, const HolidayCalendar& holidays)
    : settings_(settings), holidays_(holidays) {}

bool AlarmSchedule::IsNoAlarmDay(DateTime x) const {
    return IsNoAlarmDayNumber(DayNumber(ToMs(x)));
}

bool AlarmSchedule::IsNoAlarmDayNumber(long long day) const {
    return !NoAlarmReason(day).empty();
}

std::string AlarmSchedule::NoAlarmReason(long long day) const {
    const CivilDate date = DecodeDate(DayStart(day));
    if (std::string name; settings_.NoAlarmHoliday && holidays_.IsHoliday(date, name)) {
        // A day off the published list names is still a day off without a name.
        return name.empty() ? "祝日" : name;
    }
    if (settings_.NoAlarmMonthEnd && date.day == DaysInMonth(date.year, date.month)) {
        return "月末";
    }
    const auto month = static_cast<size_t>(date.month);
    const auto dayOfMonth = static_cast<size_t>(date.day);
    if (settings_.NoAlarmMonthDay[month][dayOfMonth]) {
        return std::to_string(date.month) + "月" + std::to_string(date.day) + "日の指定日";
    }
    if (settings_.NoAlarmDayOfMonth[dayOfMonth]) {
        return "毎月の指定日";
    }
    return {};
}

std::optional<long long> AlarmSchedule::AlarmTimeOn(long long day) const {
    // Any DayOrWeek other than 0 is read as per weekday, as the loader reads
    // the weekday times for it.
    const DateTime alarm = settings_.DayOrWeek == 0
                               ? settings_.DayTime
                               : settings_.WeekTime[static_cast<size_t>(DayOfWeek(DayStart(day)))];
    if (!(alarm > 0)) {
        return std::nullopt;
    }
    return AlarmTimeOfDayMs(alarm);
}

std::optional<DateTime> AlarmSchedule::ComputeNextAlarm(DateTime now) const {
    const bool anyTime = settings_.DayOrWeek == 0
                             ? settings_.DayTime > 0
                             : std::any_of(settings_.WeekTime.begin(), settings_.WeekTime.end(),
                                           [](DateTime t) { return t > 0; });
    if (!anyTime) {
        return std::nullopt;
    }
    const long long lead = settings_.ResumeWaiteTime * 60'000LL;
    const long long first = FirstDayAfter(ToMs(now));
    // The day tested is the day the alarm rings, also when the wake moment
    // falls on the evening before (an alarm just after midnight).
    for (long long day = first; day < first + kAlarmSearchDays; ++day) {
        const auto time = AlarmTimeOn(day);
        if (time && !IsNoAlarmDayNumber(day)) {
            return FromMs(day * kMsPerDay + *time - lead);
        }
    }
    return std::nullopt;
}

long long AlarmSchedule::FirstDayAfter(long long nowMs) const {
    // Today's alarm still counts while its moment lies ahead, also once its
    // wake moment has passed: an alarm switched on a minute ahead rings
    // today. The computer is awake then, so a wake moment in the past costs
    // nothing.
    const long long today = DayNumber(nowMs);
    const auto time = AlarmTimeOn(today);
    return time && nowMs >= today * kMsPerDay + *time ? today + 1 : today;
}

std::vector<AlarmDayPlan> AlarmSchedule::PlanDays(DateTime from, int days) const {
    std::vector<AlarmDayPlan> plan;
    const long long first = FirstDayAfter(ToMs(from));
    for (long long day = first; day < first + std::max(days, 0); ++day) {
        AlarmDayPlan entry{.Date = DecodeDate(DayStart(day)), .Rings = {}, .SkipReason = {}};
        if (const auto time = AlarmTimeOn(day); !time) {
            entry.SkipReason = "目覚ましなし";
        } else {
            entry.SkipReason = NoAlarmReason(day);
            if (entry.SkipReason.empty()) {
                entry.Rings = FromMs(day * kMsPerDay + *time);
            }
        }
        plan.push_back(std::move(entry));
    }
    return plan;
}

bool AlarmSchedule::InFiringWindow(DateTime now) const {
    const long long nowMs = ToMs(now);
    const long long today = DayNumber(nowMs);
    const long long timeOfDay = nowMs - today * kMsPerDay;
    if (const auto time = AlarmTimeOn(today);
        time && *time <= timeOfDay && timeOfDay <= *time + kAlarmWindowMs) {
        return true;
    }
    // Yesterday's window may reach into the first seconds of today.
    const auto yesterday = AlarmTimeOn(today - 1);
    return yesterday && *yesterday + kAlarmWindowMs >= kMsPerDay &&
           timeOfDay <= *yesterday + kAlarmWindowMs - kMsPerDay;
}

bool AlarmSchedule::IsDue(DateTime now, DateTime wakeTime) const {
    return ToMs(now) >= ToMs(NextAlarmMoment(wakeTime, settings_.ResumeWaiteTime)) &&
           InFiringWindow(now);
}

DateTime NextAlarmMoment(DateTime wakeTime, int resumeWaiteTime) {
    return wakeTime + resumeWaiteTime / kMinutesPerDay;
}

}  // namespace velmora
