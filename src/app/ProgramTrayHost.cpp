#include "app/ProgramTrayHost.h"

#include "about/TVelmoraVersionForm.h"
#include "app/ClockTicker.h"
#include "app/NowTimeAnnouncement.h"
#include "app/TVelmoraMainForm.h"
#include "dialog/TVelmoraSetteiForm.h"
#include "schedule/AlarmTexts.h"

namespace velmora {

bool ProgramTrayHost::SettingsDialogIdle() const {
    return parts_.Dialog == nullptr || parts_.Dialog->State().Unchanged;
}

void ProgramTrayHost::ShowSettingsDialog() {
    if (parts_.Dialog != nullptr) {
        parts_.Dialog->ShowSettings();
    }
}

void ProgramTrayHost::SettingsDialogFollowMenu(TrayMenuItem item) {
    if (parts_.Dialog != nullptr) {
        parts_.Dialog->FollowTrayMenu(item);
    }
}

void ProgramTrayHost::ShowAboutWindow() {
    if (parts_.About != nullptr) {
        parts_.About->ShowModal();
    }
}

bool ProgramTrayHost::ClockVisible() const {
    return parts_.Clock != nullptr && parts_.Clock->Form().isVisible();
}

void ProgramTrayHost::ShowClock() {
    if (parts_.Clock != nullptr) {
        parts_.Clock->Form().show();
    }
}

void ProgramTrayHost::SaveAndCloseClock() {
    // Without a tray the clock is the only way in.
    if (parts_.Clock != nullptr && !parts_.NoTray) {
        parts_.Clock->Form().SaveClockGeometry();
        parts_.Clock->Form().hide();
    }
}

void ProgramTrayHost::SetClockTopMost(bool topMost) {
    if (parts_.Clock != nullptr) {
        parts_.Clock->Form().SetTopMost(topMost);
    }
}

void ProgramTrayHost::ShowDial(DialColour colour) {
    if (parts_.Clock != nullptr) {
        parts_.Clock->Form().LoadDial(colour);
        parts_.Clock->Form().DrawHands();
    }
}

PixelPoint ProgramTrayHost::ClockTopLeft() const {
    if (parts_.Clock == nullptr) {
        return {};
    }
    const QRect r = parts_.Clock->Form().geometry();
    return {r.x(), r.y()};
}

PixelSize ProgramTrayHost::ScreenSize() const {
    return parts_.Clock != nullptr ? parts_.Clock->ScreenSize() : PixelSize{};
}

ClockPosition& ProgramTrayHost::RememberedPosition() {
    return parts_.Main != nullptr ? parts_.Main->RememberedPosition() : noPosition_;
}

void ProgramTrayHost::StopRingingFromSnoozeMenu() {
    if (parts_.Clock != nullptr) {
        parts_.Clock->Engine().Ringing().StopFromSnoozeMenu();
    }
}

void ProgramTrayHost::ArmWakeUp() {
    if (parts_.Clock != nullptr) {
        parts_.Clock->Engine().Arming().ArmWakeUp();
    }
}

void ProgramTrayHost::SetAlarmOff() {
    if (parts_.Clock != nullptr) {
        parts_.Clock->Engine().Arming().SetAlarmOff();
        // Switched off by the user, the hint says so above the usage; the
        // tick's own switch-off leaves the usage alone.
        parts_.Clock->Ops().SetHint(AlarmOffHint(parts_.State.HelpHint));
    }
}

void ProgramTrayHost::StopMusic() {
    if (parts_.Main != nullptr) {
        parts_.Main->Music().MenuMusicStop();
    }
}

void ProgramTrayHost::SpeakCurrentTime() {
    if (parts_.Main == nullptr || parts_.Clock == nullptr) {
        return;
    }
    TVelmoraMainForm& main = *parts_.Main;
    velmora::SpeakCurrentTime({parts_.Config, parts_.State, main.Speech(), main.Volume(),
                               parts_.Clock->Services().Wall, main.Random()});
}

}  // namespace velmora
