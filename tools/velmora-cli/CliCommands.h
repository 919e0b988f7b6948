#pragma once

#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace velmora::cli {

// Exit codes: 0 success, 1 the operation failed, 2 bad arguments.
inline constexpr int kOk = 0;
inline constexpr int kFailed = 1;
inline constexpr int kUsage = 2;

using Args = std::span<const std::string>;

struct Io {
    std::ostream& out;
    std::ostream& err;
};

struct Command {
    const char* name;
    const char* usage;  // printed after "velmora-cli "
    int (*run)(Args args, Io io);
};

// Every subcommand; a new one is one line here and one function.
std::span<const Command> Commands();

// Runs argv[1..] and returns the exit code. Output is UTF-8; an error is one
// line on `err`.
int RunCli(const std::vector<std::string>& args, Io io);

// A failure message as one line (messages meant for boxes hold line breaks).
int Fail(Io io, const std::string& message, int code = kFailed);
// The same line for something the user should know that does not stop the
// command (a line left out of the holiday list).
void Warn(Io io, const std::string& message);

int RunIni(Args args, Io io);
int RunSettings(Args args, Io io);
int RunHolidays(Args args, Io io);
int RunPhrase(Args args, Io io);
int RunNextAlarm(Args args, Io io);
int RunSchedule(Args args, Io io);
int RunReading(Args args, Io io);
int RunSay(Args args, Io io);
int RunKana(Args args, Io io);
int RunVolume(Args args, Io io);
int RunSimulate(Args args, Io io);
int RunSpeak(Args args, Io io);
int RunPlay(Args args, Io io);
int RunAutostart(Args args, Io io);
int RunWakeTest(Args args, Io io);

}  // namespace velmora::cli
