#pragma once

#include "app/ProgramParts.h"
#include "base/SystemWallClock.h"
#include "dialog/SettingsDialogHost.h"

namespace velmora {

// The rest of the program as the settings dialog sees it: the live record,
// the tray menu and its commands, the clock window and the time signal.
class SettingsHostAdapter final : public SettingsDialogHost {
public:
    explicit SettingsHostAdapter(ProgramParts& parts) : parts_(parts) {}

    DateTime Now() const override { return wall_.Now(); }
    Settings& LiveSettings() override { return parts_.Config; }
    bool MenuChecked(TrayMenuItem item) const override;
    void SetMenuChecked(TrayMenuItem item, bool checked) override;
    void RunMenuCommand(TrayMenuItem item) override;
    void SetDialogMenuItemsEnabled(bool enabled) override;
    void ProcessPendingEvents() override;
    bool ClockVisible() const override;
    void SetClockTopMost(bool topMost) override;
    void ShowDial(DialColour colour) override;
    bool AlarmMusicPlaying() const override;
    void RebuildPreAnnouncement() override;
    NowTimeKeyStatus NowTimeKey() const override;
    void ApplyNowTimeKey() override;

private:
    ProgramParts& parts_;
    mutable SystemWallClock wall_;
};

}  // namespace velmora
