#include "app/TrayMenuCommands.h"

#include "app/AutostartSwitch.h"
#include "base/Notices.h"
#include "app/TrayMenuHost.h"
#include "settings/IniFile.h"
#include "sound/DesktopOpener.h"

namespace velmora {

TrayMenuCommands::TrayMenuCommands(Services services, QObject* parent)
    : QObject(parent), s_(std::move(services)) {
    connect(&s_.Menu, &TrayPopupMenu::itemChosen, this, &TrayMenuCommands::Run);
}

void TrayMenuCommands::ToggleChecked(MenuItem item) {
    if (menusLive_) {
        s_.Menu.SetChecked(item, !s_.Menu.Checked(item));
    }
}

void TrayMenuCommands::Run(MenuItem item) {
    switch (item) {
        case MenuItem::StartUp:
            return MenuStartUpClick();
        case MenuItem::Alarm:
            return MenuAlarmClick();
        case MenuItem::Snooze:
            return MenuSnoozeClick();
        case MenuItem::MusicStop:
            return s_.Host.StopMusic();
        case MenuItem::ShowSettei:
            return MenuShowSetteiClick();
        case MenuItem::ShowClock:
            return MenuShowClockClick();
        case MenuItem::BackColorGray:
            return MenuClockBackColorClick(true);
        case MenuItem::BackColorWhite:
            return MenuClockBackColorClick(false);
        case MenuItem::ClockAllwaysFront:
            return MenuClockAllwaysFrontClick();
        case MenuItem::OnMouseHide:
            return MenuOnMouseHideClick();
        case MenuItem::SetClockPosition:
            return MenuSetClockPositionClick();
        case MenuItem::SpeakJiho:
            return MenuSpeakJihoClick();
        case MenuItem::NowTime:
            return s_.Host.SpeakCurrentTime();
        case MenuItem::Help:
            return MenuHelpClick();
        case MenuItem::Version:
            return s_.Host.ShowAboutWindow();
        case MenuItem::End:
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
        s_.Menu.SetCaption(MenuItem::StartUp, QString::fromStdString(s_.Autostart.Caption()));
    }
    s_.Notice.ShowNotice(outcome.Message);
}

void TrayMenuCommands::ApplyAlarmModes() {
    const bool alarm = s_.Menu.Checked(MenuItem::Alarm);
    const bool snooze = s_.Menu.Checked(MenuItem::Snooze);
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
    if (s_.Host.SettingsDialogIdle()) {
        ToggleChecked(MenuItem::Alarm);
    }
    if (s_.Menu.Checked(MenuItem::Alarm)) {
        s_.Menu.SetChecked(MenuItem::Snooze, false);
    }
    ApplyAlarmModes();
}

void TrayMenuCommands::MenuSnoozeClick() {
    if (!menusLive_) {
        return;
    }
    if (s_.Menu.Checked(MenuItem::Snooze) && s_.Host.Ringing()) {
        s_.Host.StopRingingFromSnoozeMenu();
    }
    if (s_.Host.SettingsDialogIdle()) {
        ToggleChecked(MenuItem::Snooze);
    }
    if (s_.Menu.Checked(MenuItem::Snooze)) {
        s_.Menu.SetChecked(MenuItem::Alarm, false);
    }
    ApplyAlarmModes();
}

void TrayMenuCommands::MenuShowSetteiClick() {
    // The dialog enables both again when it closes.
    s_.Menu.SetEnabled(MenuItem::ShowSettei, false);
    s_.Menu.SetEnabled(MenuItem::End, false);
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
        ToggleChecked(MenuItem::ShowClock);
    }
    const bool show = s_.Menu.Checked(MenuItem::ShowClock);
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
    s_.Menu.SetChecked(MenuItem::BackColorGray, gray);
    s_.Menu.SetChecked(MenuItem::BackColorWhite, !gray);
    s_.Host.ShowDial(gray ? DialColour::Gray : DialColour::White);
    if (!s_.Host.SettingsDialogVisible()) {
        ReportWrite(s_.Ini.WriteString("Clock", "BackColor", gray ? "Gray" : "White"));
    }
}

void TrayMenuCommands::MenuClockAllwaysFrontClick() {
    if (!menusLive_) {
        return;
    }
    ToggleChecked(MenuItem::ClockAllwaysFront);
    const bool front = s_.Menu.Checked(MenuItem::ClockAllwaysFront);
    if (s_.Host.ClockVisible()) {
        s_.Host.SetClockTopMost(front);
    }
    if (!s_.Host.SettingsDialogVisible()) {
        ReportWrite(s_.Ini.WriteBool("Clock", "AllwaysFront", front));
    }
}

void TrayMenuCommands::MenuOnMouseHideClick() {
    if (!menusLive_) {
        return;
    }
    ToggleChecked(MenuItem::OnMouseHide);
    if (!s_.Host.SettingsDialogVisible()) {
        ReportWrite(
            s_.Ini.WriteBool("Clock", "OnMouseHide", s_.Menu.Checked(MenuItem::OnMouseHide)));
    }
}

void TrayMenuCommands::MenuSetClockPositionClick() {
    // Toggled even before the menus are live.
    const bool set = !s_.Menu.Checked(MenuItem::SetClockPosition);
    s_.Menu.SetChecked(MenuItem::SetClockPosition, set);
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
        ToggleChecked(MenuItem::SpeakJiho);
    }
    ReportWrite(s_.Ini.WriteBool("Jiho", "Use", s_.Menu.Checked(MenuItem::SpeakJiho)));
}

void TrayMenuCommands::MenuHelpClick() {
    Notices& notice = s_.Notice;
    s_.Opener.OpenWithAssociatedProgram(
        s_.ProgramFolder + kHelpFileName,
        [&notice](int /*result*/) { notice.ShowNotice(kHelpFailedMessage); });
}

}  // namespace velmora
