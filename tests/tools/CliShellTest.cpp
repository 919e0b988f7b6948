#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>

#include "CliCommands.h"
#include "app/AutostartEntry.h"
#include "support/CliRun.h"
#include "support/TempDir.h"
#include "support/TestEnvironment.h"

namespace velmora::cli {
namespace {

using test::Cli;

std::string OurEntry() {
    return AutostartFolder() + "/ベルモラ.desktop";
}

TEST(CliAutostart, StatusOnAndOffUseTheMenusEntry) {
    std::filesystem::remove_all(AutostartFolder());
    EXPECT_EQ(Cli({"autostart", "status"}).out, "off\n");
    const auto on = Cli({"autostart", "on"});
    EXPECT_EQ(on.code, kOk) << on.err;
    EXPECT_EQ(on.out, "on " + OurEntry() + "\n");
    EXPECT_EQ(ResolveAutostartEntry(OurEntry()), test::ProgramDir() + "/velmora");
    // Asking for the state it is in already changes nothing.
    EXPECT_EQ(Cli({"autostart", "on"}).out, "on " + OurEntry() + "\n");
    EXPECT_EQ(Cli({"autostart", "status"}).out, "on " + OurEntry() + "\n");
    EXPECT_EQ(Cli({"autostart", "off"}).out, "off\n");
    EXPECT_FALSE(std::filesystem::exists(OurEntry()));
    const auto again = Cli({"autostart", "off"});
    EXPECT_EQ(again.code, kOk);
    EXPECT_EQ(again.out, "off\n");
}

TEST(CliAutostart, FailuresAndBadArguments) {
    std::filesystem::remove_all(AutostartFolder());
    std::filesystem::create_directories(std::filesystem::path(AutostartFolder()).parent_path());
    test::WriteBytes(AutostartFolder(), "a file where the folder should be");
    const auto on = Cli({"autostart", "on"});
    EXPECT_EQ(on.code, kFailed);
    EXPECT_EQ(on.err, "velmora-cli: スタートアップに登録できませんでした。\n");
    std::filesystem::remove(AutostartFolder());
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"autostart"}, {"autostart", "yes"}, {"autostart", "on", "off"}}) {
        const auto bad = Cli(args);
        EXPECT_EQ(bad.code, kUsage);
        EXPECT_EQ(bad.err, "velmora-cli: usage: velmora-cli autostart status|on|off\n");
    }
}

// "clock=…", "armed=…" and "fired=…", the moments as yyyy/mm/dd hh:nn:ss.zzz.
void ExpectWakeReport(const std::string& out, const std::string& clock) {
    static const std::regex kReport(
        "clock=(\\S+)\narmed=(\\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3})\n"
        "fired=(\\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3})\n");
    std::smatch m;
    ASSERT_TRUE(std::regex_match(out, m, kReport)) << out;
    EXPECT_EQ(m[1], clock);
    // Same format: the text order is the time order.
    EXPECT_LE(m[2].str(), m[3].str()) << "fired before its moment";
}

TEST(CliWakeTest, ArmsTheTimerAndReportsItsClockAndTheFiring) {
    const auto run = Cli({"wake-test", "1"});
    ASSERT_EQ(run.code, kOk) << run.err;
    // The root user may set wake alarms; others only with CAP_WAKE_ALARM.
    if (::geteuid() == 0) {
        ExpectWakeReport(run.out, "CLOCK_REALTIME_ALARM");
    }
    for (const auto& args : std::vector<std::vector<std::string>>{{"wake-test"},
                                                                  {"wake-test", "0"},
                                                                  {"wake-test", "86401"},
                                                                  {"wake-test", "1s"},
                                                                  {"wake-test", "1", "2"}}) {
        EXPECT_EQ(Cli(args).code, kUsage);
    }
}

// The real program without the right to wake the computer falls back to
// the ordinary real-time clock and still fires.
TEST(CliWakeTest, WithoutTheCapabilityTheOrdinaryClockStillFires) {
    if (::geteuid() != 0 || std::system("command -v setpriv >/dev/null") != 0) {
        GTEST_SKIP() << "needs root and setpriv to take the capability away";
    }
    const std::string command = "setpriv --bounding-set=-wake_alarm --inh-caps=-wake_alarm " +
                                test::ProgramDir() + "/velmora-cli wake-test 1";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        out += buffer;
    }
    EXPECT_EQ(::pclose(pipe), 0);
    ExpectWakeReport(out, "CLOCK_REALTIME");
}

}  // namespace
}  // namespace velmora::cli
