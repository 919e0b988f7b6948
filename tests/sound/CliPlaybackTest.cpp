#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <sstream>

#include "CliCommands.h"
#include "support/RealSound.h"
#include "support/TempDir.h"
#include "support/TestEnvironment.h"

namespace velmora::test {
namespace {

struct CliRun {
    int code;
    std::string out;
};

// The real velmora-cli, on this process's private sound server.
CliRun Cli(const std::string& args) {
    const std::string command = ProgramDir() + "/velmora-cli " + args + " 2>/dev/null";
    CliRun run{-1, {}};
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    std::array<char, 256> buffer{};
    while (std::fgets(buffer.data(), static_cast<int>(buffer.size()), pipe) != nullptr) {
        run.out += buffer.data();
    }
    const int status = ::pclose(pipe);
    run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

using CliPlayback = RealSound;

TEST_F(CliPlayback, SpeakSaysTheTimePhraseAndReturnsWhenItIsOver) {
    const auto start = SinkMonitor::Clock::now();
    const CliRun run =
        Cli("speak --voice 2 \"ご'ぜん/<NUMK VAL=10 COUNTER=じ>/"
            "<NUMK VAL=15 COUNTER=ふん>+で'す。\"");
    const auto returned = SinkMonitor::Clock::now();
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, "");
    RunFor(300);
    const auto samples = monitor.Samples();
    const auto first = FirstAbove(samples, 0.02, monitor.IndexAt(start));
    const auto last = LastAbove(samples, 0.02);
    ASSERT_TRUE(first && last) << "no speech reached the sink";
    EXPECT_GT(static_cast<double>(*last - *first) / SinkMonitor::kRate, 1.0);
    EXPECT_GT(Rms(samples, *first, *last), 0.02);
    EXPECT_GT(
        std::chrono::duration_cast<std::chrono::milliseconds>(returned - monitor.TimeOf(*last))
            .count(),
        -100);
}

TEST_F(CliPlayback, SpeakWithOnlyABeforeSoundPlaysThatSound) {
    const CliRun run = Cli("speak --before 4 --list jiho \"\"");
    EXPECT_EQ(run.code, 0);
    RunFor(200);
    const auto samples = monitor.Samples();
    EXPECT_GT(ToneLevel(samples, 0, samples.size(), 2093, SinkMonitor::kRate), 0.002);
}

TEST_F(CliPlayback, PlayPrintsEveryStateAndTheLength) {
    TempDir dir;
    WriteWaveFile(dir.File("tone.wav"), WaveData{22050, 1, Sine(440, 0.5, 0.5, 22050)});
    const CliRun played = Cli("play " + dir.File("tone.wav"));
    EXPECT_EQ(played.code, 0);
    std::istringstream lines(played.out);
    std::vector<std::string> states;
    bool duration = false;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("state ", 0) == 0) {
            states.push_back(line);
        } else {
            EXPECT_EQ(line, "duration 0.500");
            duration = true;
        }
    }
    EXPECT_TRUE(duration);
    EXPECT_EQ(states, (std::vector<std::string>{"state 3 (playing)", "state 8 (media ended)",
                                                "state 1 (stopped)"}));

    WriteBytes(dir.File("broken.ogg"), "not a sound");
    EXPECT_EQ(Cli("play " + dir.File("broken.ogg")).code, 1);
}

TEST(CliPlaybackArguments, BadArgumentsAreOneLineAndExitTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {"speak"},
        {"speak", "--before", "4", "x"},
        {"speak", "--list", "alarm", "x"},
        {"speak", "--before", "1", "--list", "other", "x"},
        {"speak", "--voice", "6", "x"},
        {"speak", "--speed", "20", "x"},
        {"speak", "--before", "99", "--list", "jiho", "x"},
        {"speak", "a", "b"},
        {"play"},
        {"play", "a", "b"},
    };
    for (const auto& args : cases) {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(cli::RunCli(args, {out, err}), cli::kUsage) << args.size() << args.back();
        const std::string message = err.str();
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1);
        EXPECT_TRUE(out.str().empty());
    }
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(cli::RunCli({"play", "/no/such/file.mp3"}, {out, err}), cli::kFailed);
}

}  // namespace
}  // namespace velmora::test
