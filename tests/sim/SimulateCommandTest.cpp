#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "CliCommands.h"
#include "sim/SimHarness.h"
#include "support/CliRun.h"

namespace velmora::test {
namespace {

using Result = CliResult;

TEST(SimulateCommand, RefusesBadArguments) {
    SimHarness harness({});
    const std::string data = harness.DataFolder();
    const std::vector<std::vector<std::string>> bad = {
        {"simulate"},
        {"simulate", "--data", data, "--from", "2024/01/01 7:00:00"},
        {"simulate", "--data", data, "--from", "2024/01/01 7:00:00", "--to", "2024/01/01 6:00:00"},
        {"simulate", "--data", data, "--from", "2024/13/01 7:00:00", "--to", "2024/01/02 7:00:00"},
        {"simulate", "--data", data, "--from", "2024/01/01 7:00:00", "--to", "2024/01/02 7:00:00",
         "--snooze-answer", "maybe"},
        {"simulate", "--data", data, "--from", "2024/01/01 7:00:00", "--to", "2024/01/02 7:00:00",
         "--stop-after", "-1"},
        {"simulate", "--data", data, "--from", "2024/01/01 7:00:00", "--to", "2024/01/02 7:00:00",
         "--utterance-ms", "x"},
        {"simulate", "--data", data, "--from", "2024/01/01 7:00:00", "--to", "2024/01/02 7:00:00",
         "--loud"},
        {"simulate", "--data", data, "--data", data, "--from", "2024/01/01 7:00:00", "--to",
         "2024/01/02 7:00:00"},
        {"simulate", "--data", data, "--from", "2024/01/01 7:00:00", "--to", "2024/01/02 7:00:00",
         "--clock-step", "2024/01/01 8:00:00"},
        {"simulate", "--data", data, "--from", "2024/01/01 7:00:00", "--to", "2024/01/02 7:00:00",
         "--sleep", "2024/01/01 8:00:00=-60"},
        {"simulate", "--data", data, "--from", "2024/01/01 7:00:00", "--to", "2024/01/02 7:00:00",
         "--sleep"},
    };
    for (const auto& args : bad) {
        const Result r = Cli(args);
        EXPECT_EQ(r.code, cli::kUsage) << args.size();
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
    }
}

// The time signal of 10:15 with a mark every 15 minutes: the level set,
// the time spoken on the tick that is heard at the mark (ticks run 2 ms
// before each tenth, a sound is heard 4 ms after its start), the user's
// level back after the 2 s of speech.
TEST(SimulateCommand, TimeSignalExample) {
    SimHarness harness({"[Jiho]", "Mode=0", "MinitInterval=15"});
    const Result r = Cli({"simulate", "--data", harness.DataFolder(), "--from",
                          "2024/01/01 10:14:00", "--to", "2024/01/01 10:16:00"});
    EXPECT_EQ(r.code, cli::kOk);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "2024/01/01 10:14:59.998 VOLUME percent=50\n"
              "2024/01/01 10:14:59.998 JIHO text=ご'ぜん/<NUMK VAL=10 COUNTER=じ>/"
              "<NUMK VAL=15 COUNTER=ふん>+で'す。\n"
              "2024/01/01 10:15:02.098 RESTORE\n");
}

// A message box prints as a NOTICE line: here the time signal's sound,
// added to the list, is a file that is gone.
TEST(SimulateCommand, MessageBoxesPrintAsNotices) {
    SimHarness harness({"[Jiho]", "Mode=0", "MinitInterval=15", "BeforeSoundCount=7",
                        "BeforeSoundNo=6", "[BeforeJihoSound]", "6=/nonexistent/gone.wav"});
    const Result r = Cli({"simulate", "--data", harness.DataFolder(), "--from",
                          "2024/01/01 10:14:00", "--to", "2024/01/01 10:16:00"});
    EXPECT_EQ(r.code, cli::kOk);
    EXPECT_NE(r.out.find(" NOTICE text=再生するファイルが見つかりません。\n"), std::string::npos)
        << r.out;
}

// The alarm at 07:00 in SNOOZE, stopped after 5 s and answered Yes.
TEST(SimulateCommand, AlarmExample) {
    SimHarness harness({"[Jiho]", "Use=0", "[Alarm]", "Snooze=1", "DayTime=2011/01/01 7:00:00",
                        "BeforeSoundNo=1"});
    const Result r =
        Cli({"simulate", "--data", harness.DataFolder(), "--from", "2024/01/01 6:58:00", "--to",
             "2024/01/01 7:00:10", "--stop-after", "5", "--utterance-ms", "1500"});
    EXPECT_EQ(r.code, cli::kOk);
    EXPECT_EQ(r.out,
              "2024/01/01 06:58:10.118 ARM wake=2024/01/01 06:59:00 alarm=2024/01/01 07:00:00\n"
              "2024/01/01 07:00:00.098 ALARM-START\n"
              "2024/01/01 07:00:00.118 VOLUME percent=50\n"
              "2024/01/01 07:00:00.128 SPEAK text=あ'さですよ。お'きてください。\n"
              "2024/01/01 07:00:00.128 BEFORE index=1 list=alarm\n"
              "2024/01/01 07:00:02.718 SPEAK text=あ'さですよ。お'きてください。\n"
              "2024/01/01 07:00:02.718 BEFORE index=1 list=alarm\n"
              "2024/01/01 07:00:05.098 STOP\n"
              "2024/01/01 07:00:05.098 ALARM-END\n"
              "2024/01/01 07:00:05.098 ARM wake=2024/01/02 06:59:00 alarm=2024/01/02 07:00:00\n"
              "2024/01/01 07:00:05.198 RESTORE\n");
}

// Asleep from 06:30 for 32.5 minutes without the right to wake: the alarm
// rings late on resume, within its grace. The clock set back an hour at
// 07:10 arms tomorrow, not 07:00 again, and the run goes on until the wall
// clock passes the end.
TEST(SimulateCommand, SleepAndClockStepExample) {
    SimHarness harness(
        {"[Jiho]", "Use=0", "[Alarm]", "Use=1", "DayTime=2011/01/01 7:00:00", "BeforeSoundNo=1"});
    const Result r = Cli({"simulate", "--data", harness.DataFolder(), "--from",
                          "2024/01/01 6:00:00", "--to", "2024/01/01 7:15:00", "--stop-after", "2",
                          "--utterance-ms", "1500", "--sleep", "2024/01/01 6:30:00=1950",
                          "--no-wake-right", "--clock-step", "2024/01/01 7:10:00=-3600"});
    EXPECT_EQ(r.code, cli::kOk);
    EXPECT_EQ(r.out,
              "2024/01/01 06:00:10.118 ARM wake=2024/01/01 06:59:00 alarm=2024/01/01 07:00:00\n"
              "2024/01/01 07:02:30.098 RESUME\n"
              "2024/01/01 07:02:30.098 ALARM-START\n"
              "2024/01/01 07:02:30.118 VOLUME percent=50\n"
              "2024/01/01 07:02:30.128 SPEAK text=あ'さですよ。お'きてください。\n"
              "2024/01/01 07:02:30.128 BEFORE index=1 list=alarm\n"
              "2024/01/01 07:02:32.098 STOP\n"
              "2024/01/01 07:02:32.098 ALARM-END\n"
              "2024/01/01 07:02:32.098 ARM wake=2024/01/02 06:59:00 alarm=2024/01/02 07:00:00\n"
              "2024/01/01 07:02:32.198 RESTORE\n"
              "2024/01/01 06:10:00.108 ARM wake=2024/01/02 06:59:00 alarm=2024/01/02 07:00:00\n");
}

// Every line: the moment to the millisecond, the event, its details.
TEST(SimulateCommand, LineFormat) {
    SimHarness harness({"[Jiho]", "Mode=0", "MinitInterval=5", "BeforeSoundNo=5", "[Alarm]",
                        "Use=1", "DayTime=2011/01/01 7:00:00", "VolumeUp=1", "MaxVolume=60"});
    const Result r =
        Cli({"simulate", "--data", harness.DataFolder(), "--from", "2024/01/01 6:50:00", "--to",
             "2024/01/01 7:10:00", "--stop-after", "30"});
    ASSERT_EQ(r.code, cli::kOk);
    const std::regex line(
        R"(\d{4}/\d{2}/\d{2} \d{2}:\d{2}:\d{2}\.\d{3} )"
        R"((JIHO text=.*|VOLUME percent=\d+|RESTORE|BEFORE index=\d+ list=(alarm|jiho)|)"
        R"(ALARM-START|SPEAK text=.*|MUSIC path=.*|STOP|SNOOZE-WAIT|ALARM-END|)"
        R"(ARM wake=\d{4}/\d{2}/\d{2} \d{2}:\d{2}:\d{2} alarm=\d{4}/\d{2}/\d{2} \d{2}:\d{2}:\d{2}|OFF))");
    std::istringstream lines(r.out);
    std::string text;
    int count = 0;
    std::string previous;
    while (std::getline(lines, text)) {
        EXPECT_TRUE(std::regex_match(text, line)) << text;
        EXPECT_GE(text.substr(0, 23), previous) << text;  // in time order
        previous = text.substr(0, 23);
        ++count;
    }
    EXPECT_GT(count, 20);
}

}  // namespace
}  // namespace velmora::test
