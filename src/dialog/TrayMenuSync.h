#pragma once

#include "dialog/DialogValues.h"
#include "dialog/SettingsDialogHost.h"

namespace velmora {

// After a confirmed change: sets the tray menu's check marks from the form
// and runs the commands of the items that store and apply their setting.
// The commands see the dialog's unsaved-change flag still clear and so do
// not toggle the marks themselves.
void BringTrayMenuInLine(SettingsDialogHost& host, const DialogValues& form);

}  // namespace velmora
