#include <gtest/gtest.h>

#include "schedule/HolidayRules.h"

namespace velmora {
namespace {

constexpr int kTuesday = 3;
constexpr int kThursday = 5;
constexpr int kFriday = 6;
constexpr int kSaturday = 7;

struct NthCase {
    int year, month, n, weekday;
    int expectedDay;  // 0: no such day
};

TEST(NthWeekdayOfMonth, Table) {
    const NthCase cases[] = {
        {2024, 1, 2, kMonday, 8},  // 2024-01-01 is a Monday itself
        {2024, 1, 1, kMonday, 1},
        {2024, 3, 1, kMonday, 4},  // the month starts on a Friday, after Monday
        {2024, 7, 3, kMonday, 15},
        {2024, 9, 3, kMonday, 16},
        {2024, 10, 2, kMonday, 14},
        {2024, 9, 1, kSaturday, 7},  // starts on Sunday: the first Saturday is the 7th
        {2024, 9, 1, kSunday, 1},
        {2024, 3, 5, kFriday, 29},
        {2024, 3, 5, kMonday, 0},  // March 2024 has four Mondays
        {2023, 2, 4, kTuesday, 28},
        {2024, 2, 5, kThursday, 29},
        {2024, 13, 1, kMonday, 0},
        {2024, 1, 0, kMonday, 0},
        {2024, 1, 6, kMonday, 0},
        {2024, 1, 1, 8, 0},
    };
    for (const NthCase& c : cases) {
        const auto date = NthWeekdayOfMonth(c.year, c.month, c.n, c.weekday);
        if (c.expectedDay == 0) {
            EXPECT_FALSE(date) << c.year << '/' << c.month << " N=" << c.n << " W=" << c.weekday;
        } else {
            ASSERT_TRUE(date) << c.year << '/' << c.month << " N=" << c.n << " W=" << c.weekday;
            EXPECT_EQ(*date, (CivilDate{c.year, c.month, c.expectedDay}));
        }
    }
}

TEST(CountLeapYears, Table) {
    struct Case {
        int first, last, expected;
    };
    const Case cases[] = {
        {1940, 1940, 1},  {1941, 1943, 0}, {1940, 1949, 3}, {1940, 2024, 22},
        {1940, 2092, 39}, {1900, 1900, 0}, {2000, 2000, 1}, {1896, 1904, 2},
        {2001, 2000, 0},  {0, 0, 1},       {0, 400, 98},    {1, 2024, 491},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CountLeapYears(c.first, c.last), c.expected) << c.first << ".." << c.last;
    }
}

TEST(EquinoxDays, WorkedYears) {
    struct Case {
        int year, vernal, autumnal;
    };
    const Case cases[] = {
        {1900, 21, 23}, {1939, 21, 24}, {1949, 21, 23}, {1980, 20, 23}, {2012, 20, 22},
        {2023, 21, 23}, {2024, 20, 22}, {2025, 20, 23}, {2092, 19, 22},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(VernalEquinoxDay(c.year), (CivilDate{c.year, 3, c.vernal})) << c.year;
        EXPECT_EQ(AutumnalEquinoxDay(c.year), (CivilDate{c.year, 9, c.autumnal})) << c.year;
    }
}

TEST(EquinoxDays, StayInTheirDaysFrom1948To2299) {
    for (int year = 1948; year <= 2299; ++year) {
        const int vernal = VernalEquinoxDay(year).day;
        const int autumnal = AutumnalEquinoxDay(year).day;
        ASSERT_TRUE(vernal >= 19 && vernal <= 21) << year;
        ASSERT_TRUE(autumnal >= 22 && autumnal <= 24) << year;
    }
}

struct DayCase {
    CivilDate date;
    const char* name;  // "" when the date is no day off
};

void ExpectDays(std::initializer_list<DayCase> cases) {
    for (const DayCase& c : cases) {
        std::string name = "stale";
        const bool holiday = IsHoliday(c.date, name);
        EXPECT_EQ(holiday, *c.name != '\0')
            << c.date.year << '-' << c.date.month << '-' << c.date.day;
        EXPECT_EQ(name, c.name) << c.date.year << '-' << c.date.month << '-' << c.date.day;
    }
}

TEST(IsHoliday, SubstituteAndCitizensRules) {
    ExpectDays({
        {{1973, 4, 29}, "天皇誕生日"},
        {{1973, 4, 30}, "振替休日"},
        {{1973, 9, 24}, "振替休日"},
        {{1988, 5, 4}, "国民の休日"},
        {{1985, 5, 4}, ""},
        {{1987, 5, 4}, "振替休日"},
        {{1988, 3, 20}, "春分の日"},
        {{1988, 3, 21}, "振替休日"},
        {{1991, 5, 4}, "国民の休日"},  // a Saturday between two holidays
        {{2008, 5, 6}, "振替休日"},
        {{2009, 5, 6}, "振替休日"},
        {{2009, 9, 22}, "国民の休日"},
        {{2015, 9, 22}, "国民の休日"},
        {{2026, 9, 22}, "国民の休日"},
        // A Sunday is neither a substitute nor a citizens' holiday.
        {{1997, 5, 4}, ""},
    });
}

TEST(IsHoliday, BeforeSubstituteRuleASundayHolidayMovesNothing) {
    // 1967-01-02 and 1978-01-02 are Mondays after 元旦 on a Sunday.
    ExpectDays({{{1967, 1, 2}, ""}, {{1978, 1, 2}, "振替休日"}});
}

TEST(IsHoliday, OneOffDays) {
    ExpectDays({
        {{1959, 4, 10}, "皇太子明仁親王の結婚の儀"},
        {{1960, 4, 10}, ""},
        {{1989, 2, 24}, "昭和天皇の大喪の礼"},
        {{1990, 2, 24}, ""},
        {{1990, 11, 12}, "即位礼正殿の儀"},
        {{1991, 11, 12}, ""},
        {{1993, 6, 9}, "皇太子徳仁親王の結婚の儀"},
        {{1994, 6, 9}, ""},
        {{1947, 1, 1}, ""},
        // 海の日 was first kept in 1996.
        {{1995, 7, 20}, ""},
        {{1996, 7, 20}, "海の日"},
        {{1900, 1, 1}, ""},
        {{1948, 1, 1}, "元旦"},
        {{1948, 3, 21}, ""},  // the vernal equinox day starts in 1949
        {{1948, 9, 23}, "秋分の日"},
    });
}

TEST(IsHoliday, AmendedLaw) {
    ExpectDays({
        // 山の日 from 2016, moved for the Olympic years.
        {{2015, 8, 11}, ""},
        {{2016, 8, 11}, "山の日"},
        {{2020, 8, 10}, "山の日"},
        {{2020, 8, 11}, ""},
        {{2021, 8, 8}, "山の日"},
        {{2021, 8, 9}, "振替休日"},
        {{2021, 8, 11}, ""},
        {{2022, 8, 11}, "山の日"},
        // The emperor's birthday follows the emperor.
        {{2018, 12, 23}, "天皇誕生日"},
        {{2018, 12, 24}, "振替休日"},
        {{2019, 12, 23}, ""},
        {{2019, 2, 23}, ""},
        {{2020, 2, 23}, "天皇誕生日"},
        {{2020, 2, 24}, "振替休日"},
        {{2020, 12, 23}, ""},
        {{1988, 12, 23}, ""},
        // 体育の日 becomes スポーツの日; the Olympic years move it to July.
        {{2019, 10, 14}, "体育の日"},
        {{2020, 7, 24}, "スポーツの日"},
        {{2020, 10, 12}, ""},
        {{2021, 7, 23}, "スポーツの日"},
        {{2021, 10, 11}, ""},
        {{2022, 10, 10}, "スポーツの日"},
        // 海の日 in the Olympic years.
        {{2020, 7, 23}, "海の日"},
        {{2020, 7, 20}, ""},
        {{2021, 7, 22}, "海の日"},
        {{2021, 7, 19}, ""},
        {{2022, 7, 18}, "海の日"},
        // The enthronement of 2019.
        {{2019, 4, 30}, "国民の休日"},
        {{2019, 5, 1}, "天皇の即位の日"},
        {{2019, 5, 2}, "国民の休日"},
        {{2019, 10, 22}, "即位礼正殿の儀"},
        {{2018, 5, 1}, ""},
        {{2020, 10, 22}, ""},
        // 建国記念の日 was first observed in 1967.
        {{1966, 2, 11}, ""},
        {{1967, 2, 11}, "建国記念の日"},
    });
}

TEST(IsNationalHoliday, KnowsOnlyTheStatutoryTable) {
    std::string name = "stale";
    EXPECT_TRUE(IsNationalHoliday({2024, 2, 11}, name));
    EXPECT_EQ(name, "建国記念の日");
    EXPECT_FALSE(IsNationalHoliday({2024, 2, 12}, name));  // its substitute Monday
    EXPECT_EQ(name, "");
    EXPECT_FALSE(IsNationalHoliday({2009, 9, 22}, name));  // a citizens' holiday
    EXPECT_FALSE(IsNationalHoliday({2024, 2, 30}, name));
    EXPECT_FALSE(IsHoliday({2024, 2, 30}, name));
    EXPECT_EQ(name, "");
}

}  // namespace
}  // namespace velmora
