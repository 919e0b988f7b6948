#include <gtest/gtest.h>

#include <sstream>

#include "CliCommands.h"
#include "base/ShiftJis.h"
#include "schedule/HolidayTable.h"
#include "settings/IniFile.h"
#include "support/CliRun.h"
#include "support/TempDir.h"

namespace velmora::cli {
namespace {

using test::Cli;
using Result = test::CliResult;

void ExpectUsageError(const std::vector<std::string>& args) {
    const Result r = Cli(args);
    std::string joined;
    for (const std::string& a : args) {
        joined += a + ' ';
    }
    EXPECT_EQ(r.code, kUsage) << joined;
    EXPECT_EQ(r.out, "") << joined;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << joined;
}

TEST(CliHolidays, ListsTheYearInOrder) {
    const Result r = Cli({"holidays", "2021"});
    EXPECT_EQ(r.code, kOk);
    EXPECT_EQ(r.out,
              "2021-01-01 元旦\n2021-01-11 成人の日\n2021-02-11 建国記念の日\n"
              "2021-02-23 天皇誕生日\n2021-03-20 春分の日\n2021-04-29 昭和の日\n"
              "2021-05-03 憲法記念日\n2021-05-04 みどりの日\n2021-05-05 こどもの日\n"
              "2021-07-22 海の日\n2021-07-23 スポーツの日\n2021-08-08 山の日\n"
              "2021-08-09 振替休日\n2021-09-20 敬老の日\n2021-09-23 秋分の日\n"
              "2021-11-03 文化の日\n2021-11-23 勤労感謝の日\n");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(Cli({"holidays", "1947"}).out, "");
}

TEST(CliHolidays, RejectsBadYears) {
    for (const char* year : {"", "abc", "0", "10000", "2024x", "-5", "+2024"}) {
        ExpectUsageError({"holidays", year});
    }
    ExpectUsageError({"holidays"});
    ExpectUsageError({"holidays", "2024", "2025"});
}

TEST(CliPhrase, SpeaksTheTimeWithTheChosenEnding) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"phrase", "7:00"}, "ご'ぜん/<NUMK VAL=7 COUNTER=じ>/\n"},
        {{"phrase", "07:00"}, "ご'ぜん/<NUMK VAL=7 COUNTER=じ>/\n"},
        {{"phrase", "13:45:59", "--gobi", "0"},
         "ご'ご/<NUMK VAL=1 COUNTER=じ>/<NUMK VAL=45 COUNTER=ふん>+で'す。\n"},
        {{"phrase", "12:30", "--gobi", "2"},
         "<NUMK VAL=12 COUNTER=じ>/<NUMK VAL=30 COUNTER=ふん>+でございます。\n"},
        {{"phrase", "0:05", "--gobi", "6"},
         "ご'ぜん/<NUMK VAL=0 COUNTER=じ>/<NUMK VAL=5 COUNTER=ふん>+だよーん。\n"},
        {{"phrase", "13:00", "--gobi", "7"}, "ご'ご/<NUMK VAL=1 COUNTER=じ>/\n"},
        {{"phrase", "13:00", "--gobi", "-1"}, "ご'ご/<NUMK VAL=1 COUNTER=じ>/\n"},
    };
    for (const auto& [args, text] : cases) {
        const Result r = Cli(args);
        EXPECT_EQ(r.code, kOk) << args[1];
        EXPECT_EQ(r.out, text) << args[1];
    }
}

TEST(CliPhrase, RejectsBadArguments) {
    const std::vector<std::string> cases[] = {
        {"phrase"},
        {"phrase", "24:00"},
        {"phrase", "7:60"},
        {"phrase", "7:0"},
        {"phrase", "7"},
        {"phrase", "7:00:60"},
        {"phrase", "7:00:"},
        {"phrase", "123:00"},
        {"phrase", "7:00", "--gobi"},
        {"phrase", "7:00", "--gobi", "x"},
        {"phrase", "7:00", "--gobi", "1x"},
        {"phrase", "7:00", "--ending", "1"},
    };
    for (const auto& args : cases) {
        ExpectUsageError(args);
    }
}

class CliNextAlarm : public testing::Test {
protected:
    void Set(const std::string& section, const std::string& key, const std::string& value) {
        IniFile ini(dir_.File("Settei.ini"));
        ASSERT_TRUE(ini.WriteString(section, key, value));
    }
    Result Run(const std::string& now) {
        return Cli({"next-alarm", "--data", dir_.Path(), "--now", now});
    }
    test::TempDir dir_;
};

TEST_F(CliNextAlarm, DefaultsRingAtSevenEveryDay) {
    const Result r = Run("2024/05/02 8:00:00");
    EXPECT_EQ(r.code, kOk);
    EXPECT_EQ(r.out, "WakeTime=2024/05/03 06:59:00\nNextAlarm=2024/05/03 07:00:00\n");
    // Options in either order; a folder without its trailing slash.
    std::string folder = dir_.Path();
    folder.pop_back();
    EXPECT_EQ(Cli({"next-alarm", "--now", "2024/05/02 6:00:00", "--data", folder}).out,
              "WakeTime=2024/05/02 06:59:00\nNextAlarm=2024/05/02 07:00:00\n");
}

TEST_F(CliNextAlarm, FollowsTheStoredSchedule) {
    Set("Alarm", "DayTime", "2011/01/01 5:30:00");
    Set("NoAlarm", "Holiday", "1");
    Set("ResumeWaiteTime", "Value", "3");
    EXPECT_EQ(Run("2024/05/02 8:00:00").out,
              "WakeTime=2024/05/07 05:27:00\nNextAlarm=2024/05/07 05:30:00\n");
}

TEST_F(CliNextAlarm, UsesThePublishedHolidayList) {
    Set("NoAlarm", "Holiday", "1");
    // The list for 2024 knows only 7 May as a day off.
    test::WriteBytes(dir_.File(kHolidayFileName),
                     *Utf8ToSjis("国民の祝日・休日月日,国民の祝日・休日名称\r\n2024/5/7,休日\r\n"));
    EXPECT_EQ(Run("2024/05/06 8:00:00").out,
              "WakeTime=2024/05/08 06:59:00\nNextAlarm=2024/05/08 07:00:00\n");
    EXPECT_EQ(Run("2024/05/02 8:00:00").out,
              "WakeTime=2024/05/03 06:59:00\nNextAlarm=2024/05/03 07:00:00\n");
}

TEST_F(CliNextAlarm, PrintsOffWhenNothingCanRing) {
    Set("Alarm", "DayOrWeek", "1");
    EXPECT_EQ(Run("2024/05/02 8:00:00").out, "OFF\n");
    Set("Alarm", "WeekTime3", "2011/01/01 6:00:00");  // Wednesdays
    EXPECT_EQ(Run("2024/05/02 8:00:00").out,
              "WakeTime=2024/05/08 05:59:00\nNextAlarm=2024/05/08 06:00:00\n");
    for (int day = 1; day <= 31; ++day) {
        Set("NoAlarm", "DayOfMonth" + std::to_string(day), "1");
    }
    const Result r = Run("2024/05/02 8:00:00");
    EXPECT_EQ(r.code, kOk);
    EXPECT_EQ(r.out, "OFF\n");
}

TEST_F(CliNextAlarm, RejectsBadArguments) {
    const std::string folder = dir_.Path();
    const std::vector<std::string> cases[] = {
        {"next-alarm"},
        {"next-alarm", "--data", folder},
        {"next-alarm", "--now", "2024/05/02 8:00:00"},
        {"next-alarm", "--data", folder, "--now", "2024/13/02 8:00:00"},
        {"next-alarm", "--data", folder, "--now", "yesterday"},
        {"next-alarm", "--data", folder, "--data", folder},
        {"next-alarm", "--data", "", "--now", "2024/05/02 8:00:00"},
        {"next-alarm", "--data", folder, "--when", "2024/05/02 8:00:00"},
        {"next-alarm", "--data", folder, "--now", "2024/05/02 8:00:00", "extra"},
    };
    for (const auto& args : cases) {
        ExpectUsageError(args);
    }
}

}  // namespace
}  // namespace velmora::cli
