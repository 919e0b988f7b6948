#pragma once

#include <functional>
#include <string>

#include "settings/IniFile.h"

namespace velmora {

// The two dial pictures, chosen by the tray menu's colour items.
enum class DialColour { Gray, White };

// The switches the tray menu shows as check marks, and the list sizes the
// main window needs, as read at start-up.
struct StartupSettings {
    bool ShowClock = true;
    bool AllwaysFront = true;
    bool OnMouseHide = false;
    bool Alarm = false;
    bool Snooze = false;  // never both Alarm and Snooze: snooze wins
    bool SpeakJiho = true;
    bool BackColorGray = true;  // any stored text other than "Gray" means white
    int AlarmBeforeSoundCount = 14;
    int JihoBeforeSoundCount = 6;
};

StartupSettings ReadStartupSettings(const IniFile& ini);

// A clock position fixed for one screen resolution.
struct ClockPosition {
    bool Set = false;
    int MonitorX = 0;
    int MonitorY = 0;
    int X = 0;
    int Y = 0;
};

ClockPosition ReadClockPosition(const IniFile& ini, int screenWidth, int screenHeight);

// The stored face name when it is installed, else `fallback` (the desktop's
// menu font).
std::string ReadFontName(const IniFile& ini, const std::string& fallback,
                         const std::function<bool(const std::string&)>& isInstalled);

}  // namespace velmora
