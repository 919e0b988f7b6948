#pragma once

#include "app/ProgramParts.h"
#include "clock/ClockWindowHost.h"
#include "schedule/DialogLink.h"

namespace velmora {

// The rest of the program as the clock window sees it: the alarm's state,
// the tray menu, the settings dialog and the main tick.
class ClockHostAdapter final : public ClockWindowHost {
public:
    ClockHostAdapter(ProgramParts& parts, const DialogLink& dialog)
        : parts_(parts), dialog_(dialog) {}

    bool Ringing() const override { return parts_.State.Ringing; }
    bool StartupPending() const override { return parts_.State.StartupPending; }
    bool AlwaysOnTop() const override;
    bool ShowClock() const override;
    bool HideNearMouse() const override;
    DialColour Dial() const override;
    bool SettingsDialogVisible() const override;
    bool MessageShowing() const override { return dialog_.MessageShowing(); }
    ClockPosition& RememberedPosition() override;
    void UpdateClockPositionMenu(const ClockPositionMenuUpdate& update) override;
    void OpenTrayMenu(QPoint screenPos) override;
    void OpenSettings() override;
    void StopAlarm() override;
    void SetTickEnabled(bool enabled) override { parts_.State.MainTimerEnabled = enabled; }

private:
    ProgramParts& parts_;
    const DialogLink& dialog_;
    ClockPosition noPosition_;  // before the main window exists
};

}  // namespace velmora
