#include <gtest/gtest.h>

#include "schedule/AlarmSchedule.h"

namespace velmora {
namespace {

DateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
            int msec = 0) {
    return EncodeDate(year, month, day) + EncodeTime(hour, minute, second, msec);
}

DateTime AlarmTime(int hour, int minute, int second = 0) {
    return kAlarmTimeDate + EncodeTime(hour, minute, second);
}

std::string Text(std::optional<DateTime> t) {
    return t ? FormatDateTimeFull(*t) : "OFF";
}

Settings EveryDay(int hour, int minute, int second = 0) {
    Settings s;
    s.DayOrWeek = 0;
    s.DayTime = AlarmTime(hour, minute, second);
    return s;
}

// Weekdays 1 (Monday) to 5 (Friday) at the given time.
Settings Workdays(int hour, int minute) {
    Settings s;
    s.DayOrWeek = 1;
    for (size_t day = 1; day <= 5; ++day) {
        s.WeekTime[day] = AlarmTime(hour, minute);
    }
    return s;
}

std::string Next(const Settings& s, DateTime now) {
    const HolidayCalendar holidays;
    return Text(AlarmSchedule(s, holidays).ComputeNextAlarm(now));
}

struct NextCase {
    DateTime now;
    const char* wake;
};

void ExpectNext(const Settings& s, std::initializer_list<NextCase> cases) {
    for (const NextCase& c : cases) {
        EXPECT_EQ(Next(s, c.now), c.wake) << "computed at " << FormatDateTimeFull(c.now);
    }
}

TEST(ComputeNextAlarm, EveryDayWakesOneMinuteEarly) {
    ExpectNext(EveryDay(7, 0), {
                                   {At(2024, 3, 5, 6, 58, 59), "2024/03/05 06:59:00"},
                                   {At(2024, 3, 5, 6, 58, 59, 999), "2024/03/05 06:59:00"},
                                   // Set a minute ahead: today, with the wake moment past.
                                   {At(2024, 3, 5, 6, 59, 0), "2024/03/05 06:59:00"},
                                   {At(2024, 3, 5, 6, 59, 30), "2024/03/05 06:59:00"},
                                   {At(2024, 3, 5, 6, 59, 59, 999), "2024/03/05 06:59:00"},
                                   {At(2024, 3, 5, 7, 0, 0), "2024/03/06 06:59:00"},
                                   {At(2024, 3, 5, 23, 59, 59), "2024/03/06 06:59:00"},
                                   {At(2024, 3, 5, 0, 0, 0), "2024/03/05 06:59:00"},
                               });
}

TEST(ComputeNextAlarm, WakeLeadFollowsResumeWaiteTime) {
    Settings s = EveryDay(7, 0);
    s.ResumeWaiteTime = 5;
    ExpectNext(s, {{At(2024, 3, 5, 6, 54, 59), "2024/03/05 06:55:00"},
                   {At(2024, 3, 5, 6, 57, 0), "2024/03/05 06:55:00"},
                   {At(2024, 3, 5, 7, 0, 0), "2024/03/06 06:55:00"}});
    EXPECT_EQ(FormatDateTimeFull(NextAlarmMoment(At(2024, 3, 6, 6, 55), 5)), "2024/03/06 07:00:00");
}

TEST(ComputeNextAlarm, MonthEndsAreSkipped) {
    Settings s = EveryDay(7, 0);
    s.NoAlarmMonthEnd = true;
    ExpectNext(s, {
                      {At(2024, 1, 31, 5, 0), "2024/02/01 06:59:00"},
                      {At(2024, 2, 28, 5, 0), "2024/02/28 06:59:00"},  // a leap year
                      {At(2024, 2, 29, 5, 0), "2024/03/01 06:59:00"},
                      {At(2023, 2, 28, 5, 0), "2023/03/01 06:59:00"},
                      {At(2100, 2, 28, 5, 0), "2100/03/01 06:59:00"},  // not a leap year
                      {At(2024, 4, 30, 5, 0), "2024/05/01 06:59:00"},
                      {At(2024, 4, 29, 8, 0), "2024/05/01 06:59:00"},
                      {At(2024, 12, 31, 5, 0), "2025/01/01 06:59:00"},
                  });
}

TEST(ComputeNextAlarm, HolidaysAreSkipped) {
    Settings s = EveryDay(7, 0);
    s.NoAlarmHoliday = true;
    ExpectNext(s, {
                      {At(2024, 5, 2, 8, 0), "2024/05/07 06:59:00"},  // 3..6 May
                      {At(2023, 12, 31, 8, 0), "2024/01/02 06:59:00"},
                      {At(2024, 8, 10, 8, 0), "2024/08/13 06:59:00"},  // 山の日 and its Monday
                      {At(2019, 4, 28, 8, 0), "2019/05/07 06:59:00"},  // ten days off
                  });
}

TEST(IsNoAlarmDay, RulesInOrder) {
    Settings s = EveryDay(7, 0);
    s.NoAlarmMonthDay[5][5] = true;
    s.NoAlarmDayOfMonth[5] = true;
    s.NoAlarmMonthDay[12][24] = true;
    const HolidayCalendar holidays;
    const AlarmSchedule schedule(s, holidays);
    EXPECT_TRUE(schedule.IsNoAlarmDay(At(2024, 5, 5, 12, 0)));
    EXPECT_TRUE(schedule.IsNoAlarmDay(At(2024, 6, 5)));
    EXPECT_FALSE(schedule.IsNoAlarmDay(At(2024, 6, 6)));
    EXPECT_TRUE(schedule.IsNoAlarmDay(At(2031, 12, 24, 23, 59, 59)));
    EXPECT_FALSE(schedule.IsNoAlarmDay(At(2031, 11, 24)));
    // Holidays count only when asked for.
    EXPECT_FALSE(schedule.IsNoAlarmDay(At(2024, 5, 3)));
    s.NoAlarmHoliday = true;
    EXPECT_TRUE(schedule.IsNoAlarmDay(At(2024, 5, 3)));
}

TEST(ComputeNextAlarm, PerWeekdayWorkedExample) {
    Settings s = Workdays(6, 30);
    s.NoAlarmHoliday = true;
    ExpectNext(s, {
                      // Friday after the alarm: Saturday and Sunday have no time.
                      {At(2024, 3, 1, 7, 0), "2024/03/04 06:29:00"},
                      // The Monday is 振替休日: on to Tuesday.
                      {At(2024, 2, 9, 7, 0), "2024/02/13 06:29:00"},
                      {At(2024, 3, 4, 6, 28, 59), "2024/03/04 06:29:00"},
                      {At(2024, 3, 4, 6, 29, 30), "2024/03/04 06:29:00"},
                      {At(2024, 3, 4, 6, 30, 0), "2024/03/05 06:29:00"},
                      // Golden Week 2024: 3..6 May off, Tuesday 7 May rings.
                      {At(2024, 5, 2, 7, 0), "2024/05/07 06:29:00"},
                  });
}

TEST(ComputeNextAlarm, PerWeekdayWithOneDayOnly) {
    Settings s;
    s.DayOrWeek = 1;
    s.WeekTime[0] = AlarmTime(9, 0);  // Sunday
    ExpectNext(s, {
                      {At(2024, 3, 3, 8, 58, 0), "2024/03/03 08:59:00"},
                      {At(2024, 3, 3, 9, 30, 0), "2024/03/10 08:59:00"},  // seven days on
                      {At(2024, 3, 6, 9, 30, 0), "2024/03/10 08:59:00"},
                  });
}

TEST(ComputeNextAlarm, PerWeekdayTimesDiffer) {
    Settings s;
    s.DayOrWeek = 1;
    s.WeekTime[1] = AlarmTime(6, 0);   // Monday
    s.WeekTime[6] = AlarmTime(10, 0);  // Saturday
    s.NoAlarmDayOfMonth[9] = true;
    ExpectNext(s, {
                      {At(2024, 3, 3, 12, 0), "2024/03/04 05:59:00"},  // Sunday → Monday
                      {At(2024, 3, 11, 7, 0), "2024/03/16 09:59:00"},  // Monday → Saturday
                      {At(2024, 3, 4, 7, 0), "2024/03/11 05:59:00"},   // Saturday 9th is off
                  });
    // Any DayOrWeek other than 0 is the per-weekday schedule.
    s.DayOrWeek = 2;
    ExpectNext(s, {{At(2024, 3, 3, 12, 0), "2024/03/04 05:59:00"}});
}

TEST(ComputeNextAlarm, MidnightAlarmIsStoredAboveZero) {
    // 0:00 is stored on the fixed date, so it is a set time, not "none".
    ExpectNext(EveryDay(0, 0), {{At(2024, 3, 5, 12, 0), "2024/03/05 23:59:00"}});
}

TEST(ComputeNextAlarm, ExcludedDayIsTheDayTheAlarmRings) {
    // The wake moment of an alarm just after midnight lies on the evening
    // before; it is still the alarm's own day that must not be a day off.
    Settings s = EveryDay(0, 0, 30);
    s.NoAlarmHoliday = true;
    ExpectNext(s, {{At(2023, 12, 31, 12, 0), "2024/01/01 23:59:30"}});

    Settings w;
    w.DayOrWeek = 1;
    w.NoAlarmHoliday = true;
    w.WeekTime[1] = AlarmTime(0, 0, 30);  // Monday
    w.WeekTime[2] = AlarmTime(0, 0, 30);  // Tuesday
    // Monday 2024-02-12 is 振替休日: its alarm (woken on Sunday evening) is
    // skipped, and Tuesday's is woken on Monday evening.
    ExpectNext(w, {{At(2024, 2, 11, 12, 0), "2024/02/12 23:59:30"}});
}

TEST(ComputeNextAlarm, NoTimeSwitchesTheAlarmOff) {
    Settings everyDay = EveryDay(7, 0);
    everyDay.DayTime = 0;
    everyDay.WeekTime[1] = AlarmTime(6, 0);  // not looked at in this mode
    EXPECT_EQ(Next(everyDay, At(2024, 3, 5, 12, 0)), "OFF");

    Settings perWeekday;
    perWeekday.DayOrWeek = 1;
    EXPECT_EQ(Next(perWeekday, At(2024, 3, 5, 12, 0)), "OFF");
}

TEST(ComputeNextAlarm, OnlyLeapDayAllowedIsFoundYearsAhead) {
    Settings s = EveryDay(7, 0);
    for (auto& month : s.NoAlarmMonthDay) {
        month.fill(true);
    }
    s.NoAlarmMonthDay[2][29] = false;
    ExpectNext(s, {
                      {At(2024, 3, 1, 12, 0), "2028/02/29 06:59:00"},
                      {At(2024, 2, 29, 12, 0), "2028/02/29 06:59:00"},
                      // 2100 is not a leap year: eight years to wait.
                      {At(2096, 2, 29, 12, 0), "2104/02/29 06:59:00"},
                  });
}

TEST(ComputeNextAlarm, NothingAllowedSwitchesTheAlarmOff) {
    Settings everyDay = EveryDay(7, 0);
    everyDay.NoAlarmDayOfMonth.fill(true);
    EXPECT_EQ(Next(everyDay, At(2024, 3, 5, 12, 0)), "OFF");

    Settings perWeekday = Workdays(6, 30);
    perWeekday.NoAlarmDayOfMonth.fill(true);
    EXPECT_EQ(Next(perWeekday, At(2024, 3, 5, 12, 0)), "OFF");

    // Sundays only, and only on 29 February: after 2032 the next such day
    // (2060) lies beyond the search.
    Settings rare;
    rare.DayOrWeek = 1;
    rare.WeekTime[0] = AlarmTime(7, 0);
    for (auto& month : rare.NoAlarmMonthDay) {
        month.fill(true);
    }
    rare.NoAlarmMonthDay[2][29] = false;
    EXPECT_EQ(Next(rare, At(2024, 3, 5, 12, 0)), "2032/02/29 06:59:00");
    EXPECT_EQ(Next(rare, At(2032, 3, 1, 12, 0)), "OFF");
}

struct WindowCase {
    DateTime now;
    bool inside;
};

void ExpectWindow(const Settings& s, std::initializer_list<WindowCase> cases) {
    const HolidayCalendar holidays;
    const AlarmSchedule schedule(s, holidays);
    for (const WindowCase& c : cases) {
        EXPECT_EQ(schedule.InFiringWindow(c.now), c.inside) << FormatDateTimeFull(c.now);
    }
}

TEST(FiringWindow, FiveSecondsFromTheAlarmTime) {
    ExpectWindow(EveryDay(7, 0), {
                                     {At(2024, 3, 5, 6, 59, 59, 999), false},
                                     {At(2024, 3, 5, 7, 0, 0), true},
                                     {At(2024, 3, 5, 7, 0, 5), true},
                                     {At(2024, 3, 5, 7, 0, 5, 1), false},
                                     {At(2030, 1, 1, 7, 0, 2), true},
                                 });
}

TEST(FiringWindow, WrapsPastMidnight) {
    ExpectWindow(EveryDay(23, 59, 57), {
                                           {At(2024, 3, 5, 23, 59, 56, 999), false},
                                           {At(2024, 3, 5, 23, 59, 57), true},
                                           {At(2024, 3, 5, 23, 59, 59, 999), true},
                                           {At(2024, 3, 6, 0, 0, 0), true},
                                           {At(2024, 3, 6, 0, 0, 2), true},
                                           {At(2024, 3, 6, 0, 0, 2, 1), false},
                                       });
    // Per weekday the spill-over belongs to the day before: Monday's alarm
    // reaches into Tuesday, but nothing reaches into Monday from Sunday.
    Settings s;
    s.DayOrWeek = 1;
    s.WeekTime[1] = AlarmTime(23, 59, 58);
    ExpectWindow(s, {
                        {At(2024, 3, 4, 23, 59, 58), true},  // Monday
                        {At(2024, 3, 5, 0, 0, 3), true},     // Tuesday
                        {At(2024, 3, 5, 0, 0, 3, 1), false},
                        {At(2024, 3, 4, 0, 0, 1), false},     // Monday morning
                        {At(2024, 3, 5, 23, 59, 58), false},  // Tuesday evening
                    });
}

TEST(FiringWindow, MidnightAlarm) {
    ExpectWindow(EveryDay(0, 0), {{At(2024, 3, 5, 0, 0, 0), true},
                                  {At(2024, 3, 5, 0, 0, 5), true},
                                  {At(2024, 3, 4, 23, 59, 59), false}});
}

TEST(IsDue, WaitsForTheComputedMoment) {
    Settings s = Workdays(6, 30);
    s.NoAlarmHoliday = true;
    const HolidayCalendar holidays;
    const AlarmSchedule schedule(s, holidays);
    const DateTime wake = *schedule.ComputeNextAlarm(At(2024, 2, 9, 7, 0));
    // Monday 12 February was skipped; its window passes in silence.
    EXPECT_FALSE(schedule.IsDue(At(2024, 2, 12, 6, 30, 2), wake));
    EXPECT_TRUE(schedule.IsDue(At(2024, 2, 13, 6, 30, 0), wake));
    EXPECT_TRUE(schedule.IsDue(At(2024, 2, 13, 6, 30, 5), wake));
    EXPECT_FALSE(schedule.IsDue(At(2024, 2, 13, 6, 29, 59), wake));
    EXPECT_FALSE(schedule.IsDue(At(2024, 2, 13, 6, 30, 6), wake));
    // Before any computation the day holds nothing back.
    EXPECT_TRUE(schedule.IsDue(At(2024, 2, 12, 6, 30, 1), 0.0));
}

}  // namespace
}  // namespace velmora
