#pragma once

#include <string>
#include <vector>

#include "app/TrayMenuHost.h"

namespace velmora::test {

// The windows and the alarm behind the tray menu as plain fields; every
// action the commands take is written down in order.
class FakeTrayMenuHost final : public TrayMenuHost {
public:
    bool SettingsDialogIdle() const override { return dialogIdle; }
    void ShowSettingsDialog() override {
        dialogVisible = true;
        log.push_back("show dialog");
    }
    void SettingsDialogFollowMenu(TrayMenuItem /*item*/) override {
        if (dialogVisible) {
            log.push_back("dialog follows");
        }
    }
    void ShowAboutWindow() override { log.push_back("about"); }

    bool ClockVisible() const override { return clockVisible; }
    void ShowClock() override {
        clockVisible = true;
        log.push_back("show clock");
    }
    void SaveAndCloseClock() override {
        clockVisible = false;
        log.push_back("save and close clock");
    }
    void SetClockTopMost(bool topMost) override {
        log.push_back(topMost ? "clock top" : "clock lowered");
    }
    void ShowDial(DialColour colour) override {
        log.push_back(colour == DialColour::Gray ? "dial gray" : "dial white");
    }
    PixelPoint ClockTopLeft() const override { return clockAt; }
    PixelSize ScreenSize() const override { return screen; }
    ClockPosition& RememberedPosition() override { return position; }

    bool Ringing() const override { return ringing; }
    void StopRingingFromSnoozeMenu() override {
        ringing = false;
        log.push_back("stop ringing");
    }
    void ArmWakeUp() override { log.push_back("arm"); }
    void SetAlarmOff() override { log.push_back("alarm off"); }
    void StopMusic() override { log.push_back("stop music"); }
    void SpeakCurrentTime() override { log.push_back("speak time"); }
    void EndProgram() override { log.push_back("end"); }

    bool dialogVisible = false;
    bool dialogIdle = true;
    bool clockVisible = true;
    bool ringing = false;
    PixelPoint clockAt{120, 80};
    PixelSize screen{1920, 1080};
    ClockPosition position;
    std::vector<std::string> log;
};

}  // namespace velmora::test
