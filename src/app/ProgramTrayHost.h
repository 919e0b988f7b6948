#pragma once

#include "app/ProgramParts.h"
#include "app/TrayMenuHost.h"

namespace velmora {

// The program's windows and alarm as the tray menu's commands act on them.
class ProgramTrayHost final : public TrayMenuHost {
public:
    explicit ProgramTrayHost(ProgramParts& parts) : parts_(parts) {}

    bool SettingsDialogIdle() const override;
    void ShowSettingsDialog() override;
    void SettingsDialogFollowMenu(TrayMenuItem item) override;
    void ShowAboutWindow() override;

    bool ClockVisible() const override;
    void ShowClock() override;
    void SaveAndCloseClock() override;
    void SetClockTopMost(bool topMost) override;
    void ShowDial(DialColour colour) override;
    PixelPoint ClockTopLeft() const override;
    PixelSize ScreenSize() const override;
    ClockPosition& RememberedPosition() override;

    bool Ringing() const override { return parts_.State.Ringing; }
    void StopRingingFromSnoozeMenu() override;
    void ArmWakeUp() override;
    void SetAlarmOff() override;
    void StopMusic() override;
    void SpeakCurrentTime() override;

    void EndProgram() override { parts_.End(0); }

private:
    ProgramParts& parts_;
    ClockPosition noPosition_;  // before the main window exists
};

}  // namespace velmora
