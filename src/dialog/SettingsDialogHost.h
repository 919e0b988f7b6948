#pragma once

#include "base/DateTime.h"
#include "settings/Settings.h"
#include "settings/StartupSettings.h"

namespace velmora {

// The tray menu items whose check marks hold the live on/off settings.
enum class TrayItem {
    Alarm,              // 目覚まし(&M)
    Snooze,             // スヌーズ(&N)
    SpeakJiho,          // 時報をしゃべる(&J)
    ShowClock,          // 時計表示(&C)
    ClockAllwaysFront,  // 時計を常に最前面にする(&F)
    OnMouseHide,        // マウスが近づいたら時計を隠す(&H)
    BackColorGray,      // グレー(&G)
    BackColorWhite,     // 白(&W)
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
    virtual bool MenuChecked(TrayItem item) const = 0;
    virtual void SetMenuChecked(TrayItem item, bool checked) = 0;
    virtual void RunMenuCommand(TrayItem item) = 0;
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
};

}  // namespace velmora
