#include <gtest/gtest.h>

#include <sstream>

#include "CliCommands.h"
#include "base/ShiftJis.h"
#include "support/CliRun.h"
#include "support/TempDir.h"

namespace velmora {
namespace {

using CliRun = test::CliResult;

TEST(ReadingCommand, PrintsThePhoneticText) {
    const CliRun run = test::Cli({"reading", "今日は良い天気"});
    EXPECT_EQ(run.code, cli::kOk) << run.err;
    EXPECT_EQ(run.out, "きょ'ーわ/よ'い/て'んき\n");
}

TEST(ReadingCommand, RefusesWrongArguments) {
    for (const auto& args :
         {std::vector<std::string>{"reading"}, std::vector<std::string>{"reading", "朝", "夜"}}) {
        const CliRun run = test::Cli(args);
        EXPECT_EQ(run.code, cli::kUsage);
        EXPECT_TRUE(run.out.empty());
        EXPECT_NE(run.err.find("reading TEXT"), std::string::npos);
    }
}

TEST(ReadingCommand, SettingsReadTheKanjiOfOwnWords) {
    test::TempDir data;
    test::WriteBytes(data.File("Settei.ini"), "[Alarm]\r\nWord=1\r\nJisakuAlarmWordCount=2\r\n");
    test::WriteBytes(data.File("AlarmWord.txt"),
                     *Utf8ToSjis("朝ですよ\r\nお'きて\r\n", SjisFit::Exact));
    const CliRun run = test::Cli({"settings", "--data", data.Path()});
    ASSERT_EQ(run.code, cli::kOk) << run.err;
    EXPECT_NE(run.out.find("=あ'さですよ\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("=お'きて\n"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace velmora
