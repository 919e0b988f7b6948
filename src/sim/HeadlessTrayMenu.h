#pragma once

#include <string>

#include "dialog/TrayMenuItem.h"
#include "schedule/TrayMenuOps.h"
#include "settings/StartupSettings.h"

namespace velmora {

// The tray menu's check marks as the settings file gives them at start-up,
// and the tray's tip and icon, without a tray.
class HeadlessTrayMenu final : public TrayMenuOps {
public:
    explicit HeadlessTrayMenu(const StartupSettings& switches)
        : alarm_(switches.Alarm),
          snooze_(switches.Snooze),
          speakJiho_(switches.SpeakJiho),
          showClock_(switches.ShowClock),
          allwaysFront_(switches.AllwaysFront) {}

    bool AlarmChecked() const override { return alarm_; }
    bool SnoozeChecked() const override { return snooze_; }
    bool SpeakJihoChecked() const override { return speakJiho_; }
    bool ShowClockChecked() const override { return showClock_; }
    bool AllwaysFrontChecked() const override { return allwaysFront_; }
    void UncheckAlarmModes() override {
        alarm_ = false;
        snooze_ = false;
    }
    void SetRingingLock(bool locked) override { ringingLock_ = locked; }
    void EnableShowSettei() override { showSetteiEnabled_ = true; }
    void SetTrayTip(const std::string& tip, TrayIcon icon) override {
        tip_ = tip;
        icon_ = icon;
    }

    // What the user would do with the menu's check marks.
    void SetAlarmModes(bool alarm, bool snooze) {
        alarm_ = alarm && !snooze;
        snooze_ = snooze;
    }
    void SetSpeakJiho(bool on) { speakJiho_ = on; }
    // The marks the settings dialog reads and sets; the headless menu keeps
    // those the clock acts on, and the others read as unchecked.
    bool Checked(TrayMenuItem item) const;
    void SetChecked(TrayMenuItem item, bool checked);

    bool RingingLock() const { return ringingLock_; }
    bool ShowSetteiEnabled() const { return showSetteiEnabled_; }
    const std::string& Tip() const { return tip_; }
    TrayIcon Icon() const { return icon_; }

private:
    // The mark kept for the item; null for one the headless menu has not.
    template <typename Self>
    static auto MarkOf(Self& self, TrayMenuItem item) -> decltype(&self.alarm_);

    bool alarm_;
    bool snooze_;
    bool speakJiho_;
    bool showClock_;
    bool allwaysFront_;
    bool ringingLock_ = false;
    bool showSetteiEnabled_ = false;
    std::string tip_;
    TrayIcon icon_ = TrayIcon::Application;
};

}  // namespace velmora
