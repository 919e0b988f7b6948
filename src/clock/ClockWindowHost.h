#pragma once

#include <QPoint>

#include "clock/ClockPositionRules.h"
#include "clock/DialColour.h"
#include "settings/StartupSettings.h"

namespace velmora {

// What the clock window needs from the rest of the program: the alarm's
// state, the tray menu's check marks and commands, the settings dialog and
// the main tick. The window calls these and never reaches the others
// directly.
class ClockWindowHost {
public:
    virtual ~ClockWindowHost() = default;

    // The alarm is ringing (or waiting in a snooze pause).
    virtual bool Ringing() const = 0;
    // The first ten seconds after start, before the deferred start-up step.
    virtual bool StartupPending() const = 0;

    // Tray menu check marks.
    virtual bool AlwaysOnTop() const = 0;    // "時計を常に最前面にする(&F)"
    virtual bool ShowClock() const = 0;      // "時計表示(&C)"
    virtual bool HideNearMouse() const = 0;  // "マウスが近づいたら時計を隠す(&H)"
    virtual DialColour Dial() const = 0;     // "グレー(&G)" / "白(&W)"

    // The settings dialog: shown, and showing one of its message boxes.
    virtual bool SettingsDialogVisible() const = 0;
    virtual bool MessageShowing() const = 0;

    // The main window's copy of [ClockPosition].
    virtual ClockPosition& RememberedPosition() = 0;
    // Updates the tray menu item that remembers the clock position.
    virtual void UpdateClockPositionMenu(const ClockPositionMenuUpdate& update) = 0;

    // Opens the tray menu at a screen point; returns once it has closed.
    virtual void OpenTrayMenu(QPoint screenPos) = 0;
    // The tray menu's "設定画面を表示(&A)".
    virtual void OpenSettings() = 0;
    // The STOP picture was pressed while ringing.
    virtual void StopAlarm() = 0;
    // Pauses and resumes the main tick.
    virtual void SetTickEnabled(bool enabled) = 0;
};

}  // namespace velmora
