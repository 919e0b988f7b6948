#include "settings/StartupSettings.h"

#include <algorithm>

#include "settings/SettingsLoader.h"

namespace velmora {

StartupSettings ReadStartupSettings(const IniFile& ini) {
    StartupSettings s;
    s.ShowClock = ini.ReadBool("Clock", "Show", true);
    s.AllwaysFront = ini.ReadBool("Clock", "AllwaysFront", true);
    s.OnMouseHide = ini.ReadBool("Clock", "OnMouseHide", false);
    s.Snooze = ini.ReadBool("Alarm", "Snooze", false);
    s.Alarm = ini.ReadBool("Alarm", "Use", false) && !s.Snooze;
    s.SpeakJiho = ini.ReadBool("Jiho", "Use", true);
    s.BackColorGray = ini.ReadString("Clock", "BackColor", "Gray") == "Gray";
    s.AlarmBeforeSoundCount =
        std::clamp(ini.ReadInteger("Alarm", "BeforeSoundCount", kBuiltInAlarmSounds),
                   kBuiltInAlarmSounds, kMaxListCount);
    s.JihoBeforeSoundCount =
        std::clamp(ini.ReadInteger("Jiho", "BeforeSoundCount", kBuiltInJihoSounds),
                   kBuiltInJihoSounds, kMaxListCount);
    return s;
}

ClockPosition ReadClockPosition(const IniFile& ini, int screenWidth, int screenHeight) {
    ClockPosition p;
    p.Set = ini.ReadBool("ClockPosition", "Set", false);
    p.MonitorX = ini.ReadInteger("ClockPosition", "MonitorX", screenWidth);
    p.MonitorY = ini.ReadInteger("ClockPosition", "MonitorY", screenHeight);
    p.X = ini.ReadInteger("ClockPosition", "X", 0);
    p.Y = ini.ReadInteger("ClockPosition", "Y", 0);
    return p;
}

std::string ReadFontName(const IniFile& ini, const std::string& fallback,
                         const std::function<bool(const std::string&)>& isInstalled) {
    const std::string name = ini.ReadString("FontName", "Value", fallback);
    return isInstalled(name) ? name : fallback;
}

}  // namespace velmora
