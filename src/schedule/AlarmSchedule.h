#pragma once

#include <optional>
#include <string>
#include <vector>

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
// An alarm whose moment passed with no tick (the computer asleep without
// the right to wake it, or a clock set forward over it) still rings this
// long after its moment; later it is reported as missed instead of ringing
// hours late.
inline constexpr long long kMissedAlarmGraceMs = 5LL * 60'000;
// A clock set back does not ring an alarm moment again sooner than this
// after it rang; a whole day back is a new morning.
inline constexpr long long kRingAgainAfterMs = 12 * 3'600'000LL;

// One day of the alarm's plan: the moment it rings, or why it stays silent.
struct AlarmDayPlan {
    CivilDate Date;
    std::optional<DateTime> Rings;  // the alarm moment on that day
    // Why it does not ring: the holiday's name, "月末", "M月D日の指定日",
    // "毎月の指定日", or "目覚ましなし" for a day without an alarm time.
    std::string SkipReason;
};

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

    // The alarm's days from `from` on, `days` of them: from the day of
    // `from`, or from the next one when that day's alarm has passed, so the
    // first day that rings is the one ComputeNextAlarm arms.
    std::vector<AlarmDayPlan> PlanDays(DateTime from, int days) const;

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
    // Why the day with this number is a no-alarm day; empty when it is not.
    std::string NoAlarmReason(long long day) const;
    // The first day whose alarm may still ring after `nowMs`: today while
    // its alarm moment lies ahead, else tomorrow.
    long long FirstDayAfter(long long nowMs) const;

    const Settings& settings_;
    const HolidayCalendar& holidays_;
};

// The moment the alarm rings for a wake moment.
DateTime NextAlarmMoment(DateTime wakeTime, int resumeWaiteTime);

}  // namespace velmora
