#include "CliCommands.h"

#include <array>

namespace velmora::cli {

std::span<const Command> Commands() {
    // Sized by its entries, so adding a command is one line.
    static const auto kCommands = std::to_array<Command>({
        {"ini",
         "ini get FILE SECTION KEY [DEFAULT] | ini set FILE SECTION KEY VALUE | "
         "ini delete FILE SECTION KEY",
         &RunIni},
        {"settings", "settings --data DIR", &RunSettings},
        {"holidays", "holidays YEAR", &RunHolidays},
        {"phrase", "phrase H:MM[:SS] [--gobi N]", &RunPhrase},
        {"next-alarm", "next-alarm --data DIR --now \"YYYY/MM/DD H:NN:SS\"", &RunNextAlarm},
        {"schedule", "schedule --data DIR --from \"YYYY/MM/DD H:NN:SS\" [--days N]", &RunSchedule},
        {"reading", "reading TEXT", &RunReading},
        {"say", "say [--voice N] [--speed S] --out FILE TEXT", &RunSay},
        {"kana", "kana TEXT", &RunKana},
        {"volume", "volume get | volume set PERCENT", &RunVolume},
        {"simulate",
         "simulate --data DIR --from \"YYYY/MM/DD H:NN:SS\" --to \"YYYY/MM/DD H:NN:SS\" "
         "[--stop-after S] [--snooze-answer yes|no] [--utterance-ms N] "
         "[--clock-step \"YYYY/MM/DD H:NN:SS=SECONDS\"]... "
         "[--sleep \"YYYY/MM/DD H:NN:SS=SECONDS\"]... [--no-wake-right]",
         &RunSimulate},
        {"speak", "speak [--voice N] [--speed S] [--before N --list alarm|jiho] TEXT", &RunSpeak},
        {"play", "play FILE", &RunPlay},
        {"autostart", "autostart status|on|off", &RunAutostart},
        {"wake-test", "wake-test SECONDS", &RunWakeTest},
    });
    return kCommands;
}

void Warn(Io io, const std::string& message) {
    std::string line = message;
    for (char& c : line) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    io.err << "velmora-cli: " << line << '\n';
}

int Fail(Io io, const std::string& message, int code) {
    Warn(io, message);
    return code;
}

int RunCli(const std::vector<std::string>& args, Io io) {
    if (args.empty()) {
        return Fail(io, "no command given (try: velmora-cli help)", kUsage);
    }
    if (args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
        for (const Command& command : Commands()) {
            io.out << "velmora-cli " << command.usage << '\n';
        }
        return kOk;
    }
    for (const Command& command : Commands()) {
        if (args[0] == command.name) {
            return command.run(Args(args).subspan(1), io);
        }
    }
    return Fail(io, "unknown command: " + args[0], kUsage);
}

}  // namespace velmora::cli
