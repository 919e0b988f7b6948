#pragma once

#include <string>

namespace velmora {

enum class TrayIcon { Application, Alarm, Snooze };

// What the tick and the alarm do to the tray: read the check marks of its
// menu, which hold the on/off switches the clock acts on, lock items, and set
// the icon with its tip. The menu's items themselves are TrayMenuItem.
class TrayMenuOps {
public:
    virtual ~TrayMenuOps() = default;

    virtual bool AlarmChecked() const = 0;         // "目覚まし(&M)"
    virtual bool SnoozeChecked() const = 0;        // "スヌーズ(&N)"
    virtual bool SpeakJihoChecked() const = 0;     // "時報をしゃべる(&J)"
    virtual bool ShowClockChecked() const = 0;     // "時計表示(&C)"
    virtual bool AllwaysFrontChecked() const = 0;  // "時計を常に最前面にする(&F)"

    // Unchecks "目覚まし(&M)" and "スヌーズ(&N)" without writing the settings.
    virtual void UncheckAlarmModes() = 0;
    // While the alarm rings the items that would change the clock under it
    // are disabled: "時計表示(&C)", "マウスが近づいたら時計を隠す(&H)", the
    // start-up item, "設定画面を表示(&A)", "目覚まし(&M)", "時報をしゃべる(&J)".
    virtual void SetRingingLock(bool locked) = 0;
    // "設定画面を表示(&A)", disabled for the first seconds after start.
    virtual void EnableShowSettei() = 0;
    virtual void SetTrayTip(const std::string& tip, TrayIcon icon) = 0;
};

}  // namespace velmora
