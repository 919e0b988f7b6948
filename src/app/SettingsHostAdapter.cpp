#include "app/SettingsHostAdapter.h"

#include <QCoreApplication>

#include "app/ClockTicker.h"
#include "app/NowTimeShortcut.h"
#include "app/TVelmoraMainForm.h"
#include "schedule/PreAnnouncement.h"

namespace velmora {

bool SettingsHostAdapter::MenuChecked(TrayMenuItem item) const {
    return parts_.Main != nullptr && parts_.Main->Menu().Checked(item);
}

void SettingsHostAdapter::SetMenuChecked(TrayMenuItem item, bool checked) {
    if (parts_.Main != nullptr) {
        parts_.Main->Menu().SetChecked(item, checked);
    }
}

void SettingsHostAdapter::RunMenuCommand(TrayMenuItem item) {
    if (parts_.Main != nullptr) {
        parts_.Main->Commands().Run(item);
    }
}

void SettingsHostAdapter::SetDialogMenuItemsEnabled(bool enabled) {
    if (parts_.Main != nullptr) {
        parts_.Main->Menu().SetEnabled(TrayMenuItem::ShowSettei, enabled);
        parts_.Main->Menu().SetEnabled(TrayMenuItem::End, enabled);
    }
}

void SettingsHostAdapter::ProcessPendingEvents() {
    QCoreApplication::processEvents();
}

bool SettingsHostAdapter::ClockVisible() const {
    return parts_.Clock != nullptr && parts_.Clock->Form().isVisible();
}

void SettingsHostAdapter::SetClockTopMost(bool topMost) {
    if (parts_.Clock != nullptr) {
        parts_.Clock->Form().SetTopMost(topMost);
    }
}

void SettingsHostAdapter::ShowDial(DialColour colour) {
    if (parts_.Clock != nullptr) {
        parts_.Clock->Form().LoadDial(colour);
        parts_.Clock->Form().DrawHands();
    }
}

bool SettingsHostAdapter::AlarmMusicPlaying() const {
    return parts_.Main != nullptr && parts_.Main->Music().MusicPlaying();
}

void SettingsHostAdapter::RebuildPreAnnouncement() {
    if (parts_.Clock == nullptr) {
        return;
    }
    const ClockServices& s = parts_.Clock->Services();
    const PreAnnouncement pre =
        BuildPreAnnouncement(parts_.Config, Now(), s.Synthesizer, s.Random, s.LeadSoundLength);
    parts_.State.PreAnnounceLead = pre.LeadSeconds;
    parts_.State.PreAnnounceText = pre.Text;
}

NowTimeKeyStatus SettingsHostAdapter::NowTimeKey() const {
    return parts_.NowTimeKey != nullptr ? parts_.NowTimeKey->Status() : NowTimeKeyStatus{};
}

void SettingsHostAdapter::ApplyNowTimeKey() {
    if (parts_.NowTimeKey != nullptr) {
        parts_.NowTimeKey->Apply(parts_.Config.NowTimeKey);
    }
}

}  // namespace velmora
