#pragma once

#include <QPoint>
#include <functional>
#include <vector>

#include "clock/ClockWindowHost.h"

namespace velmora::test {

// Menu check marks and alarm state set by the test; records what the clock
// window asked of it.
class FakeClockWindowHost final : public ClockWindowHost {
public:
    bool Ringing() const override { return ringing; }
    bool StartupPending() const override { return startupPending; }
    bool AlwaysOnTop() const override { return alwaysOnTop; }
    bool ShowClock() const override { return showClock; }
    bool HideNearMouse() const override { return hideNearMouse; }
    DialColour Dial() const override { return dial; }
    bool SettingsDialogVisible() const override { return dialogVisible; }
    bool MessageShowing() const override { return messageShowing; }
    ClockPosition& RememberedPosition() override { return position; }
    void UpdateClockPositionMenu(const ClockPositionMenuUpdate& update) override {
        menuUpdates.push_back(update);
    }
    void OpenTrayMenu(QPoint screenPos) override {
        trayMenuAt.push_back(screenPos);
        if (whileTrayMenuOpen) {
            whileTrayMenuOpen();
        }
    }
    void OpenSettings() override { ++settingsOpened; }
    void StopAlarm() override { ++alarmStops; }
    void SetTickEnabled(bool enabled) override { tickChanges.push_back(enabled); }

    bool ringing = false;
    bool startupPending = false;
    bool alwaysOnTop = true;
    bool showClock = true;
    bool hideNearMouse = false;
    DialColour dial = DialColour::Gray;
    bool dialogVisible = false;
    bool messageShowing = false;
    ClockPosition position;

    std::vector<ClockPositionMenuUpdate> menuUpdates;
    std::vector<QPoint> trayMenuAt;
    std::function<void()> whileTrayMenuOpen;
    int settingsOpened = 0;
    int alarmStops = 0;
    std::vector<bool> tickChanges;
};

}  // namespace velmora::test
