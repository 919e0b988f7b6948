#pragma once

#include "clock/DialColour.h"
#include "clock/PixelGeometry.h"
#include "dialog/TrayMenuItem.h"
#include "settings/StartupSettings.h"

namespace velmora {

// What the tray menu's commands act on besides the menu: the settings
// dialog, the clock window, the alarm and the program itself. The commands
// reach the rest of the program only through this.
class TrayMenuHost {
public:
    virtual ~TrayMenuHost() = default;

    // The settings dialog: without unsaved changes (or not shown).
    virtual bool SettingsDialogIdle() const = 0;
    virtual void ShowSettingsDialog() = 0;
    // The menu has changed the mark of `item`: an open dialog shows it too,
    // so that its OK stores what the menu chose.
    virtual void SettingsDialogFollowMenu(TrayMenuItem item) = 0;
    // The about window, modal.
    virtual void ShowAboutWindow() = 0;

    // The clock window.
    virtual bool ClockVisible() const = 0;
    virtual void ShowClock() = 0;
    // Writes the clock's size and place, then closes (hides) it.
    virtual void SaveAndCloseClock() = 0;
    virtual void SetClockTopMost(bool topMost) = 0;
    // Loads that dial picture, draws its numerals and the hands.
    virtual void ShowDial(DialColour colour) = 0;
    virtual PixelPoint ClockTopLeft() const = 0;
    virtual PixelSize ScreenSize() const = 0;
    // The main window's copy of [ClockPosition].
    virtual ClockPosition& RememberedPosition() = 0;

    // The alarm.
    virtual bool Ringing() const = 0;
    virtual void StopRingingFromSnoozeMenu() = 0;
    virtual void ArmWakeUp() = 0;
    virtual void SetAlarmOff() = 0;
    virtual void StopMusic() = 0;
    virtual void SpeakCurrentTime() = 0;

    // Ends the program in order: windows and tray go, the loop ends.
    virtual void EndProgram() = 0;
};

}  // namespace velmora
