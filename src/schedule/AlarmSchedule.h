#pragma once

#include <optional>

#include "base/DateTime.h"
#include "schedule/HolidayCalendar.h"
#include "settings/Settings.h"

namespace velmora {

// How far ahead the day searches look before giving up: eight years and a
// week, so that an alarm allowed only on 29 February is still found across
// a century year that is not a leap year (2096 to 2104).
inline constexpr int kAlarmSearchDays = 8 * 366 + 7;

// The firing window: the alarm may start from its time of day up to this
// much later (both ends included).
inline constexpr long long kAlarmWindowMs = 5000;

// When the next alarm is due and on which days it stays silent, computed
// from the alarm settings and a moment handed in. Holds references: the
// settings and the calendar must outlive it.
class AlarmSchedule final {
public:
    AlarmSchedule(const Settings& settings, const HolidayCalendar& holidays);

    // Whether the alarm stays silent on the date of x (its time plays no part).
    bool IsNoAlarmDay(DateTime x) const;

    // The next wake moment (the alarm moment minus ResumeWaiteTime minutes)
    // whose alarm is still ahead of `now` and falls on a day that is not a
    // no-alarm day. nullopt means there is nothing to ring for: no alarm time
    // is set, or every day within the search bound is excluded; the alarm
    // is then switched off.
    std::optional<DateTime> ComputeNextAlarm(DateTime now) const;

    // Whether `now` lies within the firing window of the alarm time that
    // applies on its day. A window that starts in the last five seconds of
    // a day runs on past midnight.
    bool InFiringWindow(DateTime now) const;

    // The schedule's half of the firing test: the alarm moment has come
    // and `now` is inside the window.
    bool IsDue(DateTime now, DateTime wakeTime) const;

private:
    // The alarm time of day in milliseconds for the day with this number,
    // or nullopt when that day has no alarm time.
    std::optional<long long> AlarmTimeOn(long long day) const;
    bool IsNoAlarmDayNumber(long long day) const;

    const Settings& settings_;
    const HolidayCalendar& holidays_;
};

// The moment the alarm rings for a wake moment.
DateTime NextAlarmMoment(DateTime wakeTime, int resumeWaiteTime);

}  // namespace velmora
