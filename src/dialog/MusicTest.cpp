#include "dialog/MusicTest.h"

#include <QPushButton>

#include "dialog/SettingsDialogHost.h"
#include "dialog/TVelmoraSetteiForm.h"
#include "dialog/VolumeRamp.h"
#include "settings/IniFile.h"
#include "sound/MasterVolumeControl.h"
#include "sound/MediaPlayer.h"

namespace velmora {
namespace {

constexpr const char* kFailedMessage = "曲の試聴に失敗しました。";

QString IdleCaption() {
    return QStringLiteral("聞いてみる");
}

}  // namespace

MusicTest::MusicTest(TVelmoraSetteiForm& dialog, const DialogActionServices& services)
    : dialog_(dialog), s_(services) {}

bool MusicTest::Playing() const {
    return dialog_.MusicTestButton()->text() != IdleCaption();
}

void MusicTest::Reset() {
    dialog_.State().MusicTestPlaying = false;
    s_.Ramp.Stop();
    dialog_.MusicTestButton()->setText(IdleCaption());
}

void MusicTest::BtnAlarmMusicTestClick() {
    QPushButton* button = dialog_.MusicTestButton();
    if (Playing()) {
        s_.Player.Stop();
        Reset();
        return;
    }
    const int index = dialog_.ListIndex(SoundList::Music);
    const std::string path = s_.Ini.ReadString("Music", std::to_string(index), "");
    bool started = true;
    if (!path.empty()) {
        started = s_.Player.SetUrl(path) && s_.Player.Play();
        if (started) {
            button->setText(QStringLiteral("STOP"));
        }
    }
    // The player may already have given up on the file meanwhile.
    s_.Host.ProcessPendingEvents();
    if (!started) {
        dialog_.ShowNotice(kFailedMessage);
        Reset();
        return;
    }
    if (!Playing()) {
        return;
    }
    const int first = dialog_.FirstVolume();
    s_.Volume.SetMasterVolume(first);
    dialog_.State().MusicTestPlaying = true;
    if (dialog_.VolumeUp()) {
        s_.Ramp.Start(s_.Host.Now(), first);
    }
}

void MusicTest::PlaybackEnded() {
    if (Playing() || dialog_.State().MusicTestPlaying) {
        Reset();
    }
}

}  // namespace velmora
