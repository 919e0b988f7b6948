#pragma once

#include "app/TrayPopupMenu.h"
#include "dialog/SettingsDialogHost.h"

namespace velmora {

// The tray menu item behind each switch the settings dialog knows.
constexpr MenuItem MenuItemOf(TrayItem item) {
    switch (item) {
        case TrayItem::Alarm:
            return MenuItem::Alarm;
        case TrayItem::Snooze:
            return MenuItem::Snooze;
        case TrayItem::SpeakJiho:
            return MenuItem::SpeakJiho;
        case TrayItem::ShowClock:
            return MenuItem::ShowClock;
        case TrayItem::ClockAllwaysFront:
            return MenuItem::ClockAllwaysFront;
        case TrayItem::OnMouseHide:
            return MenuItem::OnMouseHide;
        case TrayItem::BackColorGray:
            return MenuItem::BackColorGray;
        case TrayItem::BackColorWhite:
            return MenuItem::BackColorWhite;
    }
    return MenuItem::Alarm;
}

}  // namespace velmora
