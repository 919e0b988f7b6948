#include "CliCommands.h"
#include "settings/IniFile.h"
#include "settings/SettingsFields.h"
#include "settings/SettingsLoader.h"
#include "speech/ReadingConverter.h"
#include "speech/mecab/MecabReadingService.h"

namespace velmora::cli {

int RunSettings(Args args, Io io) {
    if (args.size() != 2 || args[0] != "--data") {
        return Fail(io, "usage: velmora-cli settings --data DIR", kUsage);
    }
    std::string folder = args[1];
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    const IniFile ini(folder + kSettingsFileName);
    if (const std::string problem = ini.ReadProblem(); !problem.empty()) {
        Warn(io, problem);
    }
    ReadingConverter converter(MecabReadingServiceFactory());
    const Settings settings = LoadSettings(ini, folder, converter);
    for (const auto& [name, value] : SettingsFields(settings)) {
        io.out << name << '=' << value << '\n';
    }
    return kOk;
}

}  // namespace velmora::cli
