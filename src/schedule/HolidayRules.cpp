#include "schedule/HolidayRules.h"

#include <cmath>

namespace velmora {
namespace {

enum class RuleDay { Fixed, NthMonday, VernalEquinox, AutumnalEquinox };

struct Rule {
    int month;
    RuleDay kind;
    int value;  // the day for Fixed, N for NthMonday
    int firstYear;
    int lastYear;
    const char* name;
};

constexpr int kOpen = 9999;

// Rows of one month are tried in order; the first match names the day.
// The 2020 and 2021 rows are the Olympic moves of 海の日, スポーツの日 and 山の日.
constexpr Rule kRules[] = {
    {1, RuleDay::Fixed, 1, 1948, kOpen, "元旦"},
    {1, RuleDay::Fixed, 15, 1948, 1999, "成人の日"},
    {1, RuleDay::NthMonday, 2, 2000, kOpen, "成人の日"},
    {2, RuleDay::Fixed, 11, 1967, kOpen, "建国記念の日"},
    {2, RuleDay::Fixed, 23, 2020, kOpen, "天皇誕生日"},
    {2, RuleDay::Fixed, 24, 1989, 1989, "昭和天皇の大喪の礼"},
    {3, RuleDay::VernalEquinox, 0, 1949, kOpen, "春分の日"},
    {4, RuleDay::Fixed, 29, 1948, 1988, "天皇誕生日"},
    {4, RuleDay::Fixed, 29, 1989, 2006, "みどりの日"},
    {4, RuleDay::Fixed, 29, 2007, kOpen, "昭和の日"},
    {4, RuleDay::Fixed, 10, 1959, 1959, "皇太子明仁親王の結婚の儀"},
    {5, RuleDay::Fixed, 1, 2019, 2019, "天皇の即位の日"},
    {5, RuleDay::Fixed, 3, 1948, kOpen, "憲法記念日"},
    {5, RuleDay::Fixed, 4, 2007, kOpen, "みどりの日"},
    {5, RuleDay::Fixed, 5, 1948, kOpen, "こどもの日"},
    {6, RuleDay::Fixed, 9, 1993, 1993, "皇太子徳仁親王の結婚の儀"},
    {7, RuleDay::Fixed, 20, 1996, 2002, "海の日"},
    {7, RuleDay::NthMonday, 3, 2003, 2019, "海の日"},
    {7, RuleDay::Fixed, 23, 2020, 2020, "海の日"},
    {7, RuleDay::Fixed, 22, 2021, 2021, "海の日"},
    {7, RuleDay::NthMonday, 3, 2022, kOpen, "海の日"},
    {7, RuleDay::Fixed, 24, 2020, 2020, "スポーツの日"},
    {7, RuleDay::Fixed, 23, 2021, 2021, "スポーツの日"},
    {8, RuleDay::Fixed, 11, 2016, 2019, "山の日"},
    {8, RuleDay::Fixed, 10, 2020, 2020, "山の日"},
    {8, RuleDay::Fixed, 8, 2021, 2021, "山の日"},
    {8, RuleDay::Fixed, 11, 2022, kOpen, "山の日"},
    {9, RuleDay::Fixed, 15, 1966, 2002, "敬老の日"},
    {9, RuleDay::NthMonday, 3, 2003, kOpen, "敬老の日"},
    {9, RuleDay::AutumnalEquinox, 0, 1948, kOpen, "秋分の日"},
    {10, RuleDay::Fixed, 10, 1966, 1999, "体育の日"},
    {10, RuleDay::NthMonday, 2, 2000, 2019, "体育の日"},
    {10, RuleDay::NthMonday, 2, 2022, kOpen, "スポーツの日"},
    {10, RuleDay::Fixed, 22, 2019, 2019, "即位礼正殿の儀"},
    {11, RuleDay::Fixed, 3, 1948, kOpen, "文化の日"},
    {11, RuleDay::Fixed, 23, 1948, kOpen, "勤労感謝の日"},
    {11, RuleDay::Fixed, 12, 1990, 1990, "即位礼正殿の儀"},
    {12, RuleDay::Fixed, 23, 1989, 2018, "天皇誕生日"},
};

constexpr const char* kSubstituteHoliday = "振替休日";
constexpr const char* kCitizensHoliday = "国民の休日";

// Weekday of a date on the 1 = Sunday scale.
int WeekdayOf(DateTime day) {
    return DayOfWeek(day) + 1;
}

int RuleDayOfMonth(const Rule& rule, int year) {
    switch (rule.kind) {
        case RuleDay::Fixed:
            return rule.value;
        case RuleDay::NthMonday: {
            const auto date = NthWeekdayOfMonth(year, rule.month, rule.value, kMonday);
            return date ? date->day : 0;
        }
        case RuleDay::VernalEquinox:
            return VernalEquinoxDay(year).day;
        case RuleDay::AutumnalEquinox:
            return AutumnalEquinoxDay(year).day;
    }
    return 0;
}

// The statutory name of the date, or nullptr; no allocation, since the day
// tests below ask this for up to eight days per answer.
const char* StatutoryName(const CivilDate& date) {
    for (const Rule& rule : kRules) {
        if (rule.month == date.month && date.year >= rule.firstYear && date.year <= rule.lastYear &&
            RuleDayOfMonth(rule, date.year) == date.day) {
            return rule.name;
        }
    }
    return nullptr;
}

bool IsStatutory(DateTime day) {
    return StatutoryName(DecodeDate(day)) != nullptr;
}

// floor((Y - 1940) * 0.2421904 + base - (L - 1)), L - 1 being the leap
// years after 1940 up to Y. Before 1940 the leap days between Y and 1940
// count the other way, so the approximation runs on smoothly instead of
// falling ten days short by 1900.
CivilDate EquinoxDay(int year, int month, double base) {
    const int leapDays =
        year >= 1940 ? CountLeapYears(1940, year) - 1 : -CountLeapYears(year + 1, 1940);
    const double value = (year - 1940) * 0.2421904 + base - leapDays;
    return {year, month, static_cast<int>(std::floor(value))};
}

// Leap years in 1..n for n >= 0 (floored division keeps year 0 right).
int LeapYearsUpTo(int n) {
    auto floorDiv = [](int a, int b) { return a / b - (a % b != 0 && a < 0 ? 1 : 0); };
    return floorDiv(n, 4) - floorDiv(n, 100) + floorDiv(n, 400);
}

}  // namespace

std::optional<CivilDate> NthWeekdayOfMonth(int year, int month, int n, int weekday) {
    if (!IsValidDate(year, month, 1) || n < 1 || n > 5 || weekday < 1 || weekday > 7) {
        return std::nullopt;
    }
    const int first = WeekdayOf(EncodeDate(year, month, 1));
    const int k = first > weekday ? n : n - 1;
    const int day = k * 7 + weekday - first + 1;
    if (day > DaysInMonth(year, month)) {
        return std::nullopt;
    }
    return CivilDate{year, month, day};
}

int CountLeapYears(int first, int last) {
    if (last < first) {
        return 0;
    }
    return LeapYearsUpTo(last) - LeapYearsUpTo(first - 1);
}

CivilDate VernalEquinoxDay(int year) {
    return EquinoxDay(year, 3, 21.147);
}

CivilDate AutumnalEquinoxDay(int year) {
    return EquinoxDay(year, 9, 23.5412);
}

bool IsNationalHoliday(const CivilDate& date, std::string& name) {
    name.clear();
    if (!IsValidDate(date.year, date.month, date.day)) {
        return false;
    }
    const char* found = StatutoryName(date);
    if (found == nullptr) {
        return false;
    }
    name = found;
    return true;
}

bool IsHoliday(const CivilDate& date, std::string& name) {
    if (IsNationalHoliday(date, name)) {
        return true;
    }
    if (!IsValidDate(date.year, date.month, date.day)) {
        return false;
    }
    const DateTime day = EncodeDate(date.year, date.month, date.day);
    const int weekday = WeekdayOf(day);

    // A Monday after a holiday Sunday (the law of 1973).
    if (day >= EncodeDate(1973, 4, 12) && weekday == kMonday && IsStatutory(day - 1)) {
        name = kSubstituteHoliday;
        return true;
    }
    // A weekday wedged between two holidays (the law of 1985, first in 1988).
    if (day >= EncodeDate(1988, 5, 4) && weekday != kSunday && IsStatutory(day - 1) &&
        IsStatutory(day + 1)) {
        name = kCitizensHoliday;
        return true;
    }
    // Since 2007 the day off moves to the first day after the holiday Sunday
    // that is not itself a holiday, however many holidays follow it.
    if (day < EncodeDate(2008, 5, 6) || weekday == kSunday) {
        return false;
    }
    const DateTime sunday = day - (weekday - 1);
    if (!IsStatutory(sunday)) {
        return false;
    }
    for (DateTime between = sunday + 1; between < day; between += 1) {
        if (!IsStatutory(between)) {
            return false;
        }
    }
    name = kSubstituteHoliday;
    return true;
}

}  // namespace velmora
