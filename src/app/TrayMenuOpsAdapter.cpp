#include "app/TrayMenuOpsAdapter.h"

namespace velmora {

void TrayMenuOpsAdapter::UncheckAlarmModes() {
    menu_.SetChecked(TrayMenuItem::Alarm, false);
    menu_.SetChecked(TrayMenuItem::Snooze, false);
}

void TrayMenuOpsAdapter::SetRingingLock(bool locked) {
    for (const TrayMenuItem item :
         {TrayMenuItem::ShowClock, TrayMenuItem::OnMouseHide, TrayMenuItem::StartUp,
          TrayMenuItem::ShowSettei, TrayMenuItem::Alarm, TrayMenuItem::SpeakJiho}) {
        menu_.SetEnabled(item, !locked);
    }
}

}  // namespace velmora
