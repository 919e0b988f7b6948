#include "app/SettingsHostAdapter.h"

#include <QCoreApplication>

#include "app/ClockWindow.h"
#include "app/TVelmoraMainForm.h"
#include "app/TrayItemMapping.h"
#include "schedule/PreAnnouncement.h"

namespace velmora {

bool SettingsHostAdapter::MenuChecked(TrayItem item) const {
    return parts_.Main != nullptr && parts_.Main->Menu().Checked(MenuItemOf(item));
}

void SettingsHostAdapter::SetMenuChecked(TrayItem item, bool checked) {
    if (parts_.Main != nullptr) {
        parts_.Main->Menu().SetChecked(MenuItemOf(item), checked);
    }
}

void SettingsHostAdapter::RunMenuCommand(TrayItem item) {
    if (parts_.Main != nullptr) {
        parts_.Main->Commands().Run(MenuItemOf(item));
    }
}

void SettingsHostAdapter::SetDialogMenuItemsEnabled(bool enabled) {
    if (parts_.Main != nullptr) {
        parts_.Main->Menu().SetEnabled(MenuItem::ShowSettei, enabled);
        parts_.Main->Menu().SetEnabled(MenuItem::End, enabled);
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

}  // namespace velmora
