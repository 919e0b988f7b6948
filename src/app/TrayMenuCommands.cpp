#include "app/TrayMenuCommands.h"

#include "app/AutostartSwitch.h"
#include "app/TrayMenuHost.h"
#include "base/Notices.h"
#include "settings/IniFile.h"
#include "sound/DesktopOpener.h"

namespace velmora {

TrayMenuCommands::TrayMenuCommands(Services services, QObject* parent)
    : QObject(parent), s_(std::move(services)) {
    connect(&s_.Menu, &TrayPopupMenu::itemChosen, this, &TrayMenuCommands::Run);
}

void TrayMenuCommands::ToggleChecked(TrayMenuItem item) {
    if (menusLive_) {
        s_.Menu.SetChecked(item, !s_.Menu.Checked(item));
    }
}

void TrayMenuCommands::Run(TrayMenuItem item) {
    switch (item) {
        case TrayMenuItem::StartUp:
            return MenuStartUpClick();
        case TrayMenuItem::Alarm:
            return MenuAlarmClick();
        case TrayMenuItem::Snooze:
            return MenuSnoozeClick();
        case TrayMenuItem::MusicStop:
            return s_.Host.StopMusic();
        case TrayMenuItem::ShowSettei:
            return MenuShowSetteiClick();
        case TrayMenuItem::ShowClock:
            return MenuShowClockClick();
        case TrayMenuItem::BackColorGray:
            return MenuClockBackColorClick(true);
        case TrayMenuItem::BackColorWhite:
            return MenuClockBackColorClick(false);
        case TrayMenuItem::ClockAllwaysFront:
            return MenuClockAllwaysFrontClick();
        case TrayMenuItem::OnMouseHide:
            return MenuOnMouseHideClick();
        case TrayMenuItem::SetClockPosition:
            return MenuSetClockPositionClick();
        case TrayMenuItem::SpeakJiho:
            return MenuSpeakJihoClick();
        case TrayMenuItem::NowTime:
            return s_.Host.SpeakCurrentTime();
        case TrayMenuItem::Help:
            return MenuHelpClick();
        case TrayMenuItem::Version:
            return s_.Host.ShowAboutWindow();
        case TrayMenuItem::End:
            return s_.Host.EndProgram();
    }
}

void TrayMenuCommands::ReportWrite(bool written) {
    if (!written) {
        s_.Notice.ShowNotice(s_.Ini.LastError());
    }
}

void TrayMenuCommands::MenuStartUpClick() {
    const AutostartSwitch::Outcome outcome = s_.Autostart.Toggle();
    if (outcome.Succeeded) {
        s_.Menu.SetCaption(TrayMenuItem::StartUp, QString::fromStdString(s_.Autostart.Caption()));
    }
    s_.Notice.ShowNotice(outcome.Message);
}

void TrayMenuCommands::ApplyAlarmModes() {
    const bool alarm = s_.Menu.Checked(TrayMenuItem::Alarm);
    const bool snooze = s_.Menu.Checked(TrayMenuItem::Snooze);
    bool written = s_.Ini.WriteBool("Alarm", "Use", alarm);
    written = s_.Ini.WriteBool("Alarm", "Snooze", snooze) && written;
    ReportWrite(written);
    if (alarm || snooze) {
        s_.Host.ArmWakeUp();
    } else {
        s_.Host.SetAlarmOff();
    }
}

void TrayMenuCommands::MenuAlarmClick() {
    if (!menusLive_) {
        return;
    }
    const bool toggled = s_.Host.SettingsDialogIdle();
    if (toggled) {
        ToggleChecked(TrayMenuItem::Alarm);
    }
    if (s_.Menu.Checked(TrayMenuItem::Alarm)) {
        s_.Menu.SetChecked(TrayMenuItem::Snooze, false);
    }
    if (toggled) {
        s_.Host.SettingsDialogFollowMenu(TrayMenuItem::Alarm);
    }
    ApplyAlarmModes();
}

void TrayMenuCommands::MenuSnoozeClick() {
    if (!menusLive_) {
        return;
    }
    if (s_.Menu.Checked(TrayMenuItem::Snooze) && s_.Host.Ringing()) {
        s_.Host.StopRingingFromSnoozeMenu();
    }
    const bool toggled = s_.Host.SettingsDialogIdle();
    if (toggled) {
        ToggleChecked(TrayMenuItem::Snooze);
    }
    if (s_.Menu.Checked(TrayMenuItem::Snooze)) {
        s_.Menu.SetChecked(TrayMenuItem::Alarm, false);
    }
    if (toggled) {
        s_.Host.SettingsDialogFollowMenu(TrayMenuItem::Snooze);
    }
    ApplyAlarmModes();
}

void TrayMenuCommands::MenuShowSetteiClick() {
    // The dialog enables both again when it closes.
    s_.Menu.SetEnabled(TrayMenuItem::ShowSettei, false);
    s_.Menu.SetEnabled(TrayMenuItem::End, false);
    if (s_.Host.ClockVisible()) {
        s_.Host.SetClockTopMost(false);
    }
    s_.Host.ShowSettingsDialog();
}

void TrayMenuCommands::MenuShowClockClick() {
    if (!menusLive_) {
        return;
    }
    if (s_.Host.SettingsDialogIdle()) {
        ToggleChecked(TrayMenuItem::ShowClock);
        s_.Host.SettingsDialogFollowMenu(TrayMenuItem::ShowClock);
    }
    const bool show = s_.Menu.Checked(TrayMenuItem::ShowClock);
    if (show) {
        s_.Host.ShowClock();
    } else {
        s_.Host.SaveAndCloseClock();
    }
    ReportWrite(s_.Ini.WriteBool("Clock", "Show", show));
}

void TrayMenuCommands::MenuClockBackColorClick(bool gray) {
    if (!menusLive_) {
        return;
    }
    s_.Menu.SetChecked(TrayMenuItem::BackColorGray, gray);
    s_.Menu.SetChecked(TrayMenuItem::BackColorWhite, !gray);
    s_.Host.ShowDial(gray ? DialColour::Gray : DialColour::White);
    s_.Host.SettingsDialogFollowMenu(TrayMenuItem::BackColorGray);
    ReportWrite(s_.Ini.WriteString("Clock", "BackColor", gray ? "Gray" : "White"));
}

void TrayMenuCommands::MenuClockAllwaysFrontClick() {
    if (!menusLive_) {
        return;
    }
    ToggleChecked(TrayMenuItem::ClockAllwaysFront);
    const bool front = s_.Menu.Checked(TrayMenuItem::ClockAllwaysFront);
    if (s_.Host.ClockVisible()) {
        s_.Host.SetClockTopMost(front);
    }
    s_.Host.SettingsDialogFollowMenu(TrayMenuItem::ClockAllwaysFront);
    ReportWrite(s_.Ini.WriteBool("Clock", "AllwaysFront", front));
}

void TrayMenuCommands::MenuOnMouseHideClick() {
    if (!menusLive_) {
        return;
    }
    ToggleChecked(TrayMenuItem::OnMouseHide);
    s_.Host.SettingsDialogFollowMenu(TrayMenuItem::OnMouseHide);
    ReportWrite(
        s_.Ini.WriteBool("Clock", "OnMouseHide", s_.Menu.Checked(TrayMenuItem::OnMouseHide)));
}

void TrayMenuCommands::MenuSetClockPositionClick() {
    // Toggled even before the menus are live.
    const bool set = !s_.Menu.Checked(TrayMenuItem::SetClockPosition);
    s_.Menu.SetChecked(TrayMenuItem::SetClockPosition, set);
    const PixelSize screen = s_.Host.ScreenSize();
    const PixelPoint clock = s_.Host.ClockTopLeft();
    ClockPosition& remembered = s_.Host.RememberedPosition();
    // Unchecked, the clock must stop going back to the old place, as it
    // will after the next start when the file says so.
    remembered.Set = set;
    if (set) {
        remembered.MonitorX = screen.width;
        remembered.MonitorY = screen.height;
        remembered.X = clock.x;
        remembered.Y = clock.y;
    }
    bool written = s_.Ini.WriteBool("ClockPosition", "Set", set);
    written = s_.Ini.WriteInteger("ClockPosition", "MonitorX", screen.width) && written;
    written = s_.Ini.WriteInteger("ClockPosition", "MonitorY", screen.height) && written;
    written = s_.Ini.WriteInteger("ClockPosition", "X", clock.x) && written;
    written = s_.Ini.WriteInteger("ClockPosition", "Y", clock.y) && written;
    ReportWrite(written);
}

void TrayMenuCommands::MenuSpeakJihoClick() {
    if (!menusLive_) {
        return;
    }
    if (s_.Host.SettingsDialogIdle()) {
        ToggleChecked(TrayMenuItem::SpeakJiho);
        s_.Host.SettingsDialogFollowMenu(TrayMenuItem::SpeakJiho);
    }
    ReportWrite(s_.Ini.WriteBool("Jiho", "Use", s_.Menu.Checked(TrayMenuItem::SpeakJiho)));
}

void TrayMenuCommands::MenuHelpClick() {
    Notices& notice = s_.Notice;
    s_.Opener.OpenWithAssociatedProgram(
        s_.ProgramFolder + kHelpFileName,
        [&notice](int /*result*/) { notice.ShowNotice(kHelpFailedMessage); });
}

}  // namespace velmora
