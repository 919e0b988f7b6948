#include "dialog/TrayMenuSync.h"

namespace velmora {

void BringTrayMenuInLine(SettingsDialogHost& host, const DialogValues& form) {
    switch (form.Alarm) {
        case 1:
            host.SetMenuChecked(TrayMenuItem::Alarm, true);
            host.SetMenuChecked(TrayMenuItem::Snooze, false);
            host.RunMenuCommand(TrayMenuItem::Alarm);
            break;
        case 2:
            host.SetMenuChecked(TrayMenuItem::Snooze, true);
            host.SetMenuChecked(TrayMenuItem::Alarm, false);
            host.RunMenuCommand(TrayMenuItem::Snooze);
            break;
        default:
            // Both commands run, so whichever mode was armed is disarmed and
            // both keys are written; the first one's work settles in between.
            host.SetMenuChecked(TrayMenuItem::Alarm, false);
            host.SetMenuChecked(TrayMenuItem::Snooze, false);
            host.RunMenuCommand(TrayMenuItem::Alarm);
            host.ProcessPendingEvents();
            host.RunMenuCommand(TrayMenuItem::Snooze);
            break;
    }
    host.SetMenuChecked(TrayMenuItem::SpeakJiho, form.Jiho == 1);
    host.RunMenuCommand(TrayMenuItem::SpeakJiho);
    host.SetMenuChecked(TrayMenuItem::ShowClock, form.ShowClock == 1);
    host.RunMenuCommand(TrayMenuItem::ShowClock);
    host.SetMenuChecked(TrayMenuItem::ClockAllwaysFront, form.ClockAllwaysFront);
    host.SetMenuChecked(TrayMenuItem::OnMouseHide, form.OnMouseHide);
    host.SetMenuChecked(TrayMenuItem::BackColorGray, form.BackColor == 0);
    host.SetMenuChecked(TrayMenuItem::BackColorWhite, form.BackColor == 1);
}

}  // namespace velmora
