#pragma once

#include "dialog/SettingsDialogHost.h"
#include "schedule/ClockEngine.h"
#include "settings/IniFile.h"
#include "sim/HeadlessClockWindow.h"
#include "sim/HeadlessTrayMenu.h"

namespace velmora {

// The rest of the simulated program as the settings dialog sees it. The
// dialog's OK sets the tray's check marks and runs the commands of the items
// that store and apply their setting; here those commands do what the tray's
// do (write the keys, arm the alarm or switch it off, show or hide the
// clock), on the simulator's engine, menu and window.
class HeadlessSettingsHost final : public SettingsDialogHost {
public:
    struct Parts {
        const ClockServices& Services;
        ClockState& State;
        ClockEngine& Engine;
        HeadlessTrayMenu& Menu;
        HeadlessClockWindow& Window;
        IniFile& Ini;
    };

    explicit HeadlessSettingsHost(Parts parts) : p_(parts) {}

    DateTime Now() const override { return p_.Services.Wall.Now(); }
    Settings& LiveSettings() override { return p_.Services.Config; }
    bool MenuChecked(TrayMenuItem item) const override { return p_.Menu.Checked(item); }
    void SetMenuChecked(TrayMenuItem item, bool checked) override {
        p_.Menu.SetChecked(item, checked);
    }
    void RunMenuCommand(TrayMenuItem item) override;
    void SetDialogMenuItemsEnabled(bool /*enabled*/) override {}
    void ProcessPendingEvents() override { p_.Services.Pump.ProcessEvents(); }
    bool ClockVisible() const override { return p_.Window.Visible(); }
    void SetClockTopMost(bool topMost) override { p_.Window.SetTopMost(topMost); }
    void ShowDial(DialColour /*colour*/) override {}
    bool AlarmMusicPlaying() const override { return p_.Services.Music.MusicPlaying(); }
    void RebuildPreAnnouncement() override;
    // The simulated desktop has no keyboard to press the key on.
    NowTimeKeyStatus NowTimeKey() const override { return {}; }
    void ApplyNowTimeKey() override {}

private:
    // Arms the next alarm when either mode is checked, else switches the
    // alarm off; both modes are stored first.
    void ApplyAlarmModes();
    void ReportWrite(bool written);

    Parts p_;
};

}  // namespace velmora
