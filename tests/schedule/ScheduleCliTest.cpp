#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
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

// The plan of days ahead and the next alarm come from one computation: the
// first day that rings is the armed alarm, and each silent day says why.
TEST_F(CliNextAlarm, ScheduleAgreesWithTheNextAlarm) {
    struct Case {
        std::vector<std::array<const char*, 3>> keys;
        const char* from;
        std::vector<const char*> lines;  // the first lines of the plan
    };
    const Case cases[] = {
        {{{"NoAlarm", "Holiday", "1"}},
         "2024/05/02 8:00:00",
         {"2024/05/03 SKIP 憲法記念日", "2024/05/04 SKIP みどりの日", "2024/05/05 SKIP こどもの日",
          "2024/05/06 SKIP 振替休日", "2024/05/07 RING 07:00:00"}},
        {{{"NoAlarm", "MonthEnd", "1"}, {"NoAlarm", "DayOfMonth1", "1"}},
         "2024/02/28 6:59:30",  // set a minute ahead: today still rings
         {"2024/02/28 RING 07:00:00", "2024/02/29 SKIP 月末", "2024/03/01 SKIP 毎月の指定日",
          "2024/03/02 RING 07:00:00"}},
        {{{"NoAlarmMonth3", "Day5", "1"},
          {"NoAlarmMonth3", "Day6", "1"},
          {"NoAlarm", "DayOfMonth6", "1"}},
         "2024/03/04 7:00:00",
         {"2024/03/05 SKIP 3月5日の指定日", "2024/03/06 SKIP 3月6日の指定日",
          "2024/03/07 RING 07:00:00"}},
        {{{"Alarm", "DayOrWeek", "1"}, {"Alarm", "WeekTime1", "2011/01/01 6:30:00"}},
         "2024/03/02 12:00:00",  // a Saturday
         {"2024/03/02 SKIP 目覚ましなし", "2024/03/03 SKIP 目覚ましなし",
          "2024/03/04 RING 06:30:00"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        std::filesystem::remove(dir_.File("Settei.ini"));
        for (const auto& [section, key, value] : c.keys) {
            Set(section, key, value);
        }
        const Result plan = Cli({"schedule", "--data", dir_.Path(), "--from", c.from});
        ASSERT_EQ(plan.code, kOk) << plan.err;
        std::vector<std::string> lines;
        for (std::istringstream in(plan.out); std::getline(in, lines.emplace_back());) {
        }
        lines.pop_back();
        ASSERT_EQ(lines.size(), 14u);
        EXPECT_EQ(std::vector<std::string>(
                      lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(c.lines.size())),
                  std::vector<std::string>(c.lines.begin(), c.lines.end()));
        const auto ring = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
            return line.find(" RING ") != std::string::npos;
        });
        ASSERT_NE(ring, lines.end());
        EXPECT_EQ(Run(c.from).out.substr(Run(c.from).out.find("NextAlarm=") + 10),
                  ring->substr(0, 10) + " " + ring->substr(16) + "\n");
    }
    EXPECT_EQ(
        Cli({"schedule", "--data", dir_.Path(), "--from", "2024/03/02 12:00:00", "--days", "3"})
            .out,
        "2024/03/02 SKIP 目覚ましなし\n2024/03/03 SKIP 目覚ましなし\n2024/03/04 RING "
        "06:30:00\n");
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"schedule", "--data", dir_.Path()},
             {"schedule", "--data", dir_.Path(), "--from", "2024/03/02 12:00:00", "--days", "0"},
             {"schedule", "--data", dir_.Path(), "--from", "2024/13/02 12:00:00"},
             {"schedule", "--from", "2024/03/02 12:00:00", "--days", "x"}}) {
        ExpectUsageError(args);
    }
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
