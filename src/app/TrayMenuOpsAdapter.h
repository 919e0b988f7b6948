#pragma once

#include <functional>

#include "app/TrayPopupMenu.h"
#include "app/VelmoraTrayIcon.h"
#include "schedule/TrayMenuOps.h"
#include "sound/MusicHooks.h"

namespace velmora {

// The tray menu and icon as the clock's tick and the alarm music see them.
class TrayMenuOpsAdapter final : public TrayMenuOps, public MusicHooks {
public:
    TrayMenuOpsAdapter(TrayPopupMenu& menu, VelmoraTrayIcon& icon) : menu_(menu), icon_(icon) {}

    bool AlarmChecked() const override { return menu_.Checked(TrayMenuItem::Alarm); }
    bool SnoozeChecked() const override { return menu_.Checked(TrayMenuItem::Snooze); }
    bool SpeakJihoChecked() const override { return menu_.Checked(TrayMenuItem::SpeakJiho); }
    bool ShowClockChecked() const override { return menu_.Checked(TrayMenuItem::ShowClock); }
    bool AllwaysFrontChecked() const override {
        return menu_.Checked(TrayMenuItem::ClockAllwaysFront);
    }
    void UncheckAlarmModes() override;
    void SetRingingLock(bool locked) override;
    void EnableShowSettei() override { menu_.SetEnabled(TrayMenuItem::ShowSettei, true); }
    void SetTrayTip(const std::string& tip, TrayIcon icon) override { icon_.SetTip(tip, icon); }

    void SetMusicStopEnabled(bool enabled) override {
        menu_.SetEnabled(TrayMenuItem::MusicStop, enabled);
    }
    // The settings dialog's music test and listening share the player.
    void TestPlaybackStopped() override { TestPlaybackEnded(); }
    void PlaybackFailed() override { TestPlaybackEnded(); }
    // Who learns that a test on the music player is over (none to clear).
    void SetTestPlaybackHandler(std::function<void()> handler) {
        testPlaybackEnded_ = std::move(handler);
    }

private:
    void TestPlaybackEnded() {
        if (testPlaybackEnded_) {
            testPlaybackEnded_();
        }
    }

    TrayPopupMenu& menu_;
    VelmoraTrayIcon& icon_;
    std::function<void()> testPlaybackEnded_;
};

}  // namespace velmora
