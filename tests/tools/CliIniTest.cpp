#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "CliCommands.h"
#include "base/ShiftJis.h"
#include "support/CliRun.h"
#include "support/TempDir.h"
#include "support/TestEnvironment.h"

namespace velmora::cli {
namespace {

using test::Cli;
using Result = test::CliResult;

TEST(CliIni, SetGetDeleteThroughTheProgramsOwnCode) {
    test::TempDir dir;
    const std::string file = dir.File("Settei.ini");
    EXPECT_EQ(Cli({"ini", "set", file, "Music", "1", "/音楽/朝.mp3"}).code, kOk);
    EXPECT_EQ(Cli({"ini", "set", file, "Alarm", "FirstVolume", "0x1E"}).code, kOk);
    EXPECT_EQ(test::ReadBytes(file), "[Music]\r\n1=" + *Utf8ToSjis("/音楽/朝.mp3") +
                                         "\r\n[Alarm]\r\nFirstVolume=0x1E\r\n");
    EXPECT_EQ(Cli({"ini", "get", file, "music", "1"}).out, "/音楽/朝.mp3\n");
    EXPECT_EQ(Cli({"ini", "get", file, "Alarm", "Missing", "dflt"}).out, "dflt\n");
    EXPECT_EQ(Cli({"ini", "get", file, "Alarm", "Missing"}).out, "\n");
    EXPECT_EQ(Cli({"ini", "delete", file, "ALARM", "firstvolume"}).code, kOk);
    EXPECT_EQ(Cli({"ini", "get", file, "Alarm", "FirstVolume", "50"}).out, "50\n");
}

TEST(CliIni, RefusalsAndBadArgumentsAreOneLineErrors) {
    test::TempDir dir;
    const std::string file = dir.File("Settei.ini");
    const Result refused = Cli({"ini", "set", file, "Music", "1", "𠮷.mp3"});
    EXPECT_EQ(refused.code, kFailed);
    EXPECT_EQ(std::count(refused.err.begin(), refused.err.end(), '\n'), 1);
    EXPECT_NE(refused.err.find("Settei.ini"), std::string::npos);
    for (const auto& args : std::vector<std::vector<std::string>>{{},
                                                                  {"nonsense"},
                                                                  {"ini"},
                                                                  {"ini", "get", file},
                                                                  {"ini", "set", file, "A", "b"},
                                                                  {"ini", "frob", file, "A", "b"},
                                                                  {"settings"},
                                                                  {"settings", "--data"}}) {
        const Result r = Cli(args);
        EXPECT_EQ(r.code, kUsage);
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
        EXPECT_TRUE(r.out.empty());
    }
}

TEST(CliSettings, PrintsEveryFieldInOrder) {
    test::TempDir dir;
    test::WriteBytes(
        dir.File("Settei.ini"),
        "[Alarm]\r\nDayOrWeek=1\r\nWeekTime1=2011/01/01 6:30:00\r\nFirstVolume=0x1E\r\n"
        "[Jiho]\r\nStartTime0=1899/12/30 22:00:00\r\nEndTime0=1899/12/30 6:30:00\r\n");
    const Result r = Cli({"settings", "--data", dir.Path()});
    ASSERT_EQ(r.code, kOk) << r.err;
    EXPECT_TRUE(
        r.out.starts_with("DayOrWeek=1\nDayTime=2011/01/01 7:00:00\nWeekTime[0]=1899/12/30\n"));
    for (const char* line :
         {"\nWeekTime[1]=2011/01/01 6:30:00\n", "\nFirstVolume=30\n",
          "\nNoAlarmMonthDay[12][31]=0\n", "\nJihoRangeStart[0]=1899/12/30 22:00:00\n",
          "\nJihoRangeEnd[0]=1899/12/30 6:30:00\n", "\nJihoRangeStart[1]=1899/12/29\n",
          "\nGobi=で'す。\n", "\nAlarmWordText=あ'さですよ。お'きてください。\n",
          "\nResumeWaiteTime=1\n"}) {
        EXPECT_NE(r.out.find(line), std::string::npos) << line;
    }
    EXPECT_TRUE(r.out.ends_with("\nResumeWaiteTime=1\n"));
}

TEST(CliBinary, ExitCodesOfTheRealProgram) {
    test::TempDir dir;
    const std::string cli = test::ProgramDir() + "/velmora-cli";
    const auto status = [](const std::string& command) {
        const int rc = std::system((command + " >/dev/null 2>&1").c_str());
        return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    };
    EXPECT_EQ(status(cli + " ini set " + dir.File("S.ini") + " A k v"), 0);
    EXPECT_EQ(status(cli + " ini"), 2);
    EXPECT_EQ(status(cli + " bogus"), 2);
    FILE* pipe = ::popen((cli + " ini get " + dir.File("S.ini") + " a K").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char buffer[16] = {};
    EXPECT_NE(std::fgets(buffer, sizeof buffer, pipe), nullptr);
    EXPECT_EQ(::pclose(pipe), 0);
    EXPECT_STREQ(buffer, "v\n");
}

}  // namespace
}  // namespace velmora::cli
