#pragma once

#include <string>

#include "base/DateTime.h"
#include "dialog/TrayMenuItem.h"
#include "settings/Settings.h"
#include "settings/StartupSettings.h"

namespace velmora {

// How the desktop lets the program have the key that says the time from
// any window.
struct NowTimeKeyStatus {
    // False where the session gives programs no such key: the field is
    // greyed and the note says why.
    bool Available = true;
    // What stands in the way of the chosen key, or where the desktop put
    // it; empty when the key simply works.
    std::string Note;
};

// What the settings dialog needs from the rest of the program: the live
// settings record, the tray menu, the clock window and the wall clock. The
// dialog reaches the others only through this.
class SettingsDialogHost {
public:
    virtual ~SettingsDialogHost() = default;

    virtual DateTime Now() const = 0;
    // The record the clock and the schedules work from.
    virtual Settings& LiveSettings() = 0;

    // Tray menu check marks, and the commands behind the items that store
    // and apply their setting (alarm, snooze, time signal, clock shown).
    virtual bool MenuChecked(TrayMenuItem item) const = 0;
    virtual void SetMenuChecked(TrayMenuItem item, bool checked) = 0;
    virtual void RunMenuCommand(TrayMenuItem item) = 0;
    // "設定画面を表示(&A)" and "終了(&E)", disabled while the dialog is shown.
    virtual void SetDialogMenuItemsEnabled(bool enabled) = 0;
    // Lets the events that are waiting be handled.
    virtual void ProcessPendingEvents() = 0;

    // The clock window.
    virtual bool ClockVisible() const = 0;
    // In or out of the top-most band, without activating the window.
    virtual void SetClockTopMost(bool topMost) = 0;
    // Loads the dial picture of that colour and redraws the clock.
    virtual void ShowDial(DialColour colour) = 0;
    // The wake-up music of a ringing alarm is playing.
    virtual bool AlarmMusicPlaying() const = 0;

    // The time-signal settings changed with the sound after the speech:
    // the announcement ahead of the mark must be worked out again.
    virtual void RebuildPreAnnouncement() = 0;

    // The key that says the time: how it fares, and binding the live
    // record's key after it changed.
    virtual NowTimeKeyStatus NowTimeKey() const = 0;
    virtual void ApplyNowTimeKey() = 0;
};

}  // namespace velmora
