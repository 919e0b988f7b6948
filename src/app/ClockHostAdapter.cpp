#include "app/ClockHostAdapter.h"

#include "app/ClockTicker.h"
#include "app/TVelmoraMainForm.h"
#include "dialog/TVelmoraSetteiForm.h"

namespace velmora {
namespace {

bool MenuChecked(const ProgramParts& parts, TrayMenuItem item, bool fallback) {
    return parts.Main != nullptr ? parts.Main->Menu().Checked(item) : fallback;
}

}  // namespace

bool ClockHostAdapter::AlwaysOnTop() const {
    return MenuChecked(parts_, TrayMenuItem::ClockAllwaysFront, true);
}

bool ClockHostAdapter::ShowClock() const {
    return MenuChecked(parts_, TrayMenuItem::ShowClock, true);
}

bool ClockHostAdapter::HideNearMouse() const {
    return MenuChecked(parts_, TrayMenuItem::OnMouseHide, false);
}

DialColour ClockHostAdapter::Dial() const {
    return MenuChecked(parts_, TrayMenuItem::BackColorGray, true) ? DialColour::Gray
                                                                  : DialColour::White;
}

bool ClockHostAdapter::SettingsDialogVisible() const {
    return parts_.Dialog != nullptr && parts_.Dialog->isVisible();
}

ClockPosition& ClockHostAdapter::RememberedPosition() {
    return parts_.Main != nullptr ? parts_.Main->RememberedPosition() : noPosition_;
}

void ClockHostAdapter::UpdateClockPositionMenu(const ClockPositionMenuUpdate& update) {
    if (parts_.Main == nullptr) {
        return;
    }
    TrayPopupMenu& menu = parts_.Main->Menu();
    if (update.Checked) {
        menu.SetChecked(TrayMenuItem::SetClockPosition, *update.Checked);
    }
    if (update.Enabled) {
        menu.SetEnabled(TrayMenuItem::SetClockPosition, *update.Enabled);
    }
    if (update.Caption) {
        menu.SetCaption(TrayMenuItem::SetClockPosition, QString::fromStdString(*update.Caption));
    }
}

void ClockHostAdapter::OpenTrayMenu(QPoint screenPos) {
    if (parts_.Main != nullptr) {
        parts_.Main->Menu().exec(screenPos);
    }
}

void ClockHostAdapter::OpenSettings() {
    if (parts_.Main != nullptr) {
        parts_.Main->Commands().Run(TrayMenuItem::ShowSettei);
    }
}

void ClockHostAdapter::StopAlarm() {
    if (parts_.Clock != nullptr) {
        parts_.Clock->Engine().StopButtonPressed();
    }
}

}  // namespace velmora
