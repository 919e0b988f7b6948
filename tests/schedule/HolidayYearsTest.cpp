#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "schedule/HolidayRules.h"

namespace velmora {
namespace {

std::vector<std::string> DaysOff(int year) {
    std::vector<std::string> days;
    std::string name;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= DaysInMonth(year, month); ++day) {
            if (IsHoliday({year, month, day}, name)) {
                char date[16];
                std::snprintf(date, sizeof date, "%02d-%02d ", month, day);
                days.push_back(date + name);
            }
        }
    }
    return days;
}

using Days = std::vector<std::string>;

TEST(HolidayYears, Y2019) {
    EXPECT_EQ(
        DaysOff(2019),
        (Days{"01-01 元旦",       "01-14 成人の日",    "02-11 建国記念の日",   "03-21 春分の日",
              "04-29 昭和の日",   "04-30 国民の休日",  "05-01 天皇の即位の日", "05-02 国民の休日",
              "05-03 憲法記念日", "05-04 みどりの日",  "05-05 こどもの日",     "05-06 振替休日",
              "07-15 海の日",     "08-11 山の日",      "08-12 振替休日",       "09-16 敬老の日",
              "09-23 秋分の日",   "10-14 体育の日",    "10-22 即位礼正殿の儀", "11-03 文化の日",
              "11-04 振替休日",   "11-23 勤労感謝の日"}));
}

TEST(HolidayYears, Y2020) {
    EXPECT_EQ(DaysOff(2020),
              (Days{"01-01 元旦", "01-13 成人の日", "02-11 建国記念の日", "02-23 天皇誕生日",
                    "02-24 振替休日", "03-20 春分の日", "04-29 昭和の日", "05-03 憲法記念日",
                    "05-04 みどりの日", "05-05 こどもの日", "05-06 振替休日", "07-23 海の日",
                    "07-24 スポーツの日", "08-10 山の日", "09-21 敬老の日", "09-22 秋分の日",
                    "11-03 文化の日", "11-23 勤労感謝の日"}));
}

TEST(HolidayYears, Y2021) {
    EXPECT_EQ(DaysOff(2021),
              (Days{"01-01 元旦", "01-11 成人の日", "02-11 建国記念の日", "02-23 天皇誕生日",
                    "03-20 春分の日", "04-29 昭和の日", "05-03 憲法記念日", "05-04 みどりの日",
                    "05-05 こどもの日", "07-22 海の日", "07-23 スポーツの日", "08-08 山の日",
                    "08-09 振替休日", "09-20 敬老の日", "09-23 秋分の日", "11-03 文化の日",
                    "11-23 勤労感謝の日"}));
}

TEST(HolidayYears, Y2024) {
    EXPECT_EQ(DaysOff(2024), (Days{"01-01 元旦",       "01-08 成人の日",   "02-11 建国記念の日",
                                   "02-12 振替休日",   "02-23 天皇誕生日", "03-20 春分の日",
                                   "04-29 昭和の日",   "05-03 憲法記念日", "05-04 みどりの日",
                                   "05-05 こどもの日", "05-06 振替休日",   "07-15 海の日",
                                   "08-11 山の日",     "08-12 振替休日",   "09-16 敬老の日",
                                   "09-22 秋分の日",   "09-23 振替休日",   "10-14 スポーツの日",
                                   "11-03 文化の日",   "11-04 振替休日",   "11-23 勤労感謝の日"}));
}

TEST(HolidayYears, Y2009UnderTheLawOfThatTime) {
    EXPECT_EQ(DaysOff(2009),
              (Days{"01-01 元旦", "01-12 成人の日", "02-11 建国記念の日", "03-20 春分の日",
                    "04-29 昭和の日", "05-03 憲法記念日", "05-04 みどりの日", "05-05 こどもの日",
                    "05-06 振替休日", "07-20 海の日", "09-21 敬老の日", "09-22 国民の休日",
                    "09-23 秋分の日", "10-12 体育の日", "11-03 文化の日", "11-23 勤労感謝の日",
                    "12-23 天皇誕生日"}));
}

TEST(HolidayYears, NoDayOffBefore1948) {
    for (int year : {1800, 1900, 1946, 1947}) {
        EXPECT_TRUE(DaysOff(year).empty()) << year;
    }
}

}  // namespace
}  // namespace velmora
