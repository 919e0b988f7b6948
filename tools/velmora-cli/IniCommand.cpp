#include "CliCommands.h"
#include "settings/IniFile.h"

namespace velmora::cli {

int RunIni(Args args, Io io) {
    const auto usage = [&] {
        return Fail(io,
                    "usage: velmora-cli ini get FILE SECTION KEY [DEFAULT] | "
                    "set FILE SECTION KEY VALUE | delete FILE SECTION KEY",
                    kUsage);
    };
    if (args.empty()) {
        return usage();
    }
    const std::string& verb = args[0];
    if (verb == "get" && (args.size() == 4 || args.size() == 5)) {
        const IniFile ini(args[1]);
        if (const std::string problem = ini.ReadProblem(); !problem.empty()) {
            Warn(io, problem);
        }
        io.out << ini.ReadString(args[2], args[3], args.size() == 5 ? args[4] : std::string())
               << '\n';
        return kOk;
    }
    if (verb == "set" && args.size() == 5) {
        IniFile ini(args[1]);
        return ini.WriteString(args[2], args[3], args[4]) ? kOk : Fail(io, ini.LastError());
    }
    if (verb == "delete" && args.size() == 4) {
        IniFile ini(args[1]);
        return ini.DeleteKey(args[2], args[3]) ? kOk : Fail(io, ini.LastError());
    }
    return usage();
}

}  // namespace velmora::cli
