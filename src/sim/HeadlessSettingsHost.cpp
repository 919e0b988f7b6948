#include "sim/HeadlessSettingsHost.h"

#include "schedule/AlarmTexts.h"
#include "schedule/PreAnnouncement.h"

namespace velmora {

void HeadlessSettingsHost::ReportWrite(bool written) {
    if (!written) {
        p_.Services.Notice.ShowNotice(p_.Ini.LastError());
    }
}

void HeadlessSettingsHost::ApplyAlarmModes() {
    const bool alarm = p_.Menu.AlarmChecked();
    const bool snooze = p_.Menu.SnoozeChecked();
    bool written = p_.Ini.WriteBool("Alarm", "Use", alarm);
    written = p_.Ini.WriteBool("Alarm", "Snooze", snooze) && written;
    ReportWrite(written);
    if (alarm || snooze) {
        p_.Engine.Arming().ArmWakeUp();
    } else {
        p_.Engine.Arming().SetAlarmOff();
        p_.Window.SetHint(AlarmOffHint(p_.State.HelpHint));
    }
}

void HeadlessSettingsHost::RunMenuCommand(TrayMenuItem item) {
    // The dialog has unsaved changes while it runs these: the commands take
    // the marks as it set them and do not toggle them.
    switch (item) {
        case TrayMenuItem::Alarm:
            if (p_.Menu.AlarmChecked()) {
                p_.Menu.SetChecked(TrayMenuItem::Snooze, false);
            }
            ApplyAlarmModes();
            break;
        case TrayMenuItem::Snooze:
            if (p_.Menu.SnoozeChecked() && p_.State.Ringing) {
                p_.Engine.Ringing().StopFromSnoozeMenu();
            }
            if (p_.Menu.SnoozeChecked()) {
                p_.Menu.SetChecked(TrayMenuItem::Alarm, false);
            }
            ApplyAlarmModes();
            break;
        case TrayMenuItem::SpeakJiho:
            ReportWrite(p_.Ini.WriteBool("Jiho", "Use", p_.Menu.SpeakJihoChecked()));
            break;
        case TrayMenuItem::ShowClock:
            if (p_.Menu.ShowClockChecked()) {
                p_.Window.Show();
            } else {
                p_.Window.Hide();
            }
            ReportWrite(p_.Ini.WriteBool("Clock", "Show", p_.Menu.ShowClockChecked()));
            break;
        default:
            break;
    }
}

void HeadlessSettingsHost::RebuildPreAnnouncement() {
    const ClockServices& s = p_.Services;
    const PreAnnouncement pre =
        BuildPreAnnouncement(s.Config, Now(), s.Synthesizer, s.Random, s.LeadSoundLength);
    p_.State.PreAnnounceLead = pre.LeadSeconds;
    p_.State.PreAnnounceText = pre.Text;
}

}  // namespace velmora
