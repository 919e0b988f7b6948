#include "dialog/TrayMenuSync.h"

namespace velmora {

void BringTrayMenuInLine(SettingsDialogHost& host, const SettingsForm& form) {
    switch (form.Alarm) {
        case 1:
            host.SetMenuChecked(TrayItem::Alarm, true);
            host.SetMenuChecked(TrayItem::Snooze, false);
            host.RunMenuCommand(TrayItem::Alarm);
            break;
        case 2:
            host.SetMenuChecked(TrayItem::Snooze, true);
            host.SetMenuChecked(TrayItem::Alarm, false);
            host.RunMenuCommand(TrayItem::Snooze);
            break;
        default:
            // Both commands run, so whichever mode was armed is disarmed and
            // both keys are written; the first one's work settles in between.
            host.SetMenuChecked(TrayItem::Alarm, false);
            host.SetMenuChecked(TrayItem::Snooze, false);
            host.RunMenuCommand(TrayItem::Alarm);
            host.ProcessPendingEvents();
            host.RunMenuCommand(TrayItem::Snooze);
            break;
    }
    host.SetMenuChecked(TrayItem::SpeakJiho, form.Jiho == 1);
    host.RunMenuCommand(TrayItem::SpeakJiho);
    host.SetMenuChecked(TrayItem::ShowClock, form.ShowClock == 1);
    host.RunMenuCommand(TrayItem::ShowClock);
    host.SetMenuChecked(TrayItem::ClockAllwaysFront, form.ClockAllwaysFront);
    host.SetMenuChecked(TrayItem::OnMouseHide, form.OnMouseHide);
    host.SetMenuChecked(TrayItem::BackColorGray, form.BackColor == 0);
    host.SetMenuChecked(TrayItem::BackColorWhite, form.BackColor == 1);
}

}  // namespace velmora
