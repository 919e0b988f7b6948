#include "CliCommands.h"
#include "app/AutostartEntry.h"
#include "app/AutostartSwitch.h"
#include "app/ProgramFolders.h"

namespace velmora::cli {
namespace {

constexpr const char* kAutostartUsage = "usage: velmora-cli autostart status|on|off";

// "on PATH" with the entry that starts the program, or "off".
void PrintState(const AutostartSwitch& autostart, Io io) {
    if (autostart.Registered()) {
        io.out << "on " << autostart.EntryPath() << '\n';
    } else {
        io.out << "off\n";
    }
}

}  // namespace

int RunAutostart(Args args, Io io) {
    if (args.size() != 1 || (args[0] != "status" && args[0] != "on" && args[0] != "off")) {
        return Fail(io, kAutostartUsage, kUsage);
    }
    // The program beside this companion, as the tray menu would register it.
    AutostartSwitch autostart(FindProgramFolder() + "velmora", AutostartFolder());
    const bool wanted = args[0] == "on";
    if (args[0] != "status" && autostart.Registered() != wanted) {
        const AutostartSwitch::Outcome outcome =
            wanted ? autostart.Register() : autostart.Unregister();
        if (!outcome.Succeeded) {
            return Fail(io, outcome.Message);
        }
    }
    PrintState(autostart, io);
    return kOk;
}

}  // namespace velmora::cli
