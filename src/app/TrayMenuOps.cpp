#include "app/TrayMenuOps.h"

namespace velmora {

void TrayMenuOps::UncheckAlarmModes() {
    menu_.SetChecked(MenuItem::Alarm, false);
    menu_.SetChecked(MenuItem::Snooze, false);
}

void TrayMenuOps::SetRingingLock(bool locked) {
    for (const MenuItem item : {MenuItem::ShowClock, MenuItem::OnMouseHide, MenuItem::StartUp,
                                MenuItem::ShowSettei, MenuItem::Alarm, MenuItem::SpeakJiho}) {
        menu_.SetEnabled(item, !locked);
    }
}

}  // namespace velmora
