#pragma once

#include <functional>

#include "app/ProgramFolders.h"
#include "schedule/ClockState.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

namespace velmora {

class ClockTicker;
class NowTimeShortcut;
class TVelmoraMainForm;
class TVelmoraSetteiForm;
class TVelmoraVersionForm;

// The program's four windows and the records they share, as the adapters
// between them reach each other. The windows are filled in as they are
// created and cleared as they go, so an adapter asked about a window that
// does not exist (yet, or any more) answers as if it were closed.
struct ProgramParts {
    AppFolders Folders;
    Settings& Config;
    ClockState& State;
    IniFile& Ini;
    TVelmoraMainForm* Main = nullptr;
    ClockTicker* Clock = nullptr;
    TVelmoraSetteiForm* Dialog = nullptr;
    TVelmoraVersionForm* About = nullptr;
    NowTimeShortcut* NowTimeKey = nullptr;
    // The desktop shows no tray icons: the clock window must stay shown.
    bool NoTray = false;
    // Ends the program in order with the exit code given.
    std::function<void(int code)> End = nullptr;
};

}  // namespace velmora
