#include "dialog/VoiceRecording.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <filesystem>

#include "base/MillisecondClock.h"
#include "dialog/AlarmWordPage.h"
#include "dialog/NoticeRoutine.h"
#include "dialog/SettingsDialogHost.h"
#include "dialog/TVelmoraSetteiForm.h"
#include "settings/Settings.h"
#include "sound/MediaPlayer.h"
#include "sound/SoundRecorder.h"
#include "speech/SpeechPlayer.h"

namespace velmora {
namespace {

constexpr const char* kRecordFailedMessage = "録音に失敗しました。";
constexpr const char* kSaveFailedMessage = "声の保存に失敗しました。";
constexpr const char* kListenFailedMessage = "録音した音声の試聴に失敗しました。";

QString Idle() {
    return QStringLiteral("聞いてみる");
}

QString Stop() {
    return QStringLiteral("停止");
}

bool Exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

}  // namespace

VoiceRecording::VoiceRecording(TVelmoraSetteiForm& dialog, const DialogActionServices& services)
    : dialog_(dialog), s_(services), path_(services.DataFolder + kRecordedVoiceFileName) {}

bool VoiceRecording::RecordedVoiceMode() const {
    return dialog_.WordPage()->HowTo() == 1;
}

bool VoiceRecording::Listening() const {
    return dialog_.WordPage()->Recording().WavePlay->text() == Stop();
}

void VoiceRecording::BtnRecordClick() {
    if (dialog_.WordPage()->Recording().Record->text() == QStringLiteral("録音")) {
        StartRecording();
    } else {
        StopRecording();
    }
}

void VoiceRecording::StartRecording() {
    const AlarmWordPage::RecordingControls c = dialog_.WordPage()->Recording();
    if (Exists(path_)) {
        s_.Player.SetUrl("");  // the player lets go of the file
        std::error_code error;
        if (!std::filesystem::remove(path_, error) || Exists(path_)) {
            dialog_.ShowNotice(kRecordFailedMessage);
            return;
        }
    }
    c.WavePlay->setEnabled(false);
    c.Record->setText(Stop());
    std::string error;
    if (!s_.Recorder.StartRecording(error)) {
        // Back to idle; the old recording is gone, so there is nothing to
        // listen to.
        c.Record->setText(QStringLiteral("録音"));
        dialog_.State().RecordStartTime = 0;
        dialog_.Notices().ShowMessage(error);
        return;
    }
    // 0 means "no recording", so a start on the count's zero is moved by a
    // millisecond.
    const std::uint32_t now = s_.Ticks.Milliseconds();
    dialog_.State().RecordStartTime = now != 0 ? now : 1;
    c.Progress->setValue(0);
    c.Progress->show();
    c.Time->setText(QStringLiteral("0秒"));
    c.Time->show();
}

void VoiceRecording::StopRecording() {
    const AlarmWordPage::RecordingControls c = dialog_.WordPage()->Recording();
    s_.Recorder.StopAndSave(path_);
    dialog_.State().RecordStartTime = 0;
    c.Progress->setValue(0);
    c.Progress->hide();
    c.Time->hide();
    s_.Host.ProcessPendingEvents();
    if (Exists(path_)) {
        s_.Speech.LoadRecordedVoice();
    } else {
        dialog_.ShowNotice(kSaveFailedMessage);
    }
    c.WavePlay->setEnabled(RecordedVoiceMode());
    c.Record->setText(QStringLiteral("録音"));
}

void VoiceRecording::BtnWavePlayClick() {
    const AlarmWordPage::RecordingControls c = dialog_.WordPage()->Recording();
    if (Listening()) {
        s_.Player.Stop();
        c.WavePlay->setText(Idle());
        c.Record->setEnabled(RecordedVoiceMode());
        return;
    }
    c.Record->setEnabled(false);
    s_.Player.SetUrl("");
    if (s_.Player.SetUrl(path_) && s_.Player.Play()) {
        c.WavePlay->setText(Stop());
        return;
    }
    dialog_.ShowNotice(kListenFailedMessage);
    c.WavePlay->setText(Idle());
    c.Record->setEnabled(RecordedVoiceMode());
}

void VoiceRecording::PlaybackEnded() {
    if (!Listening()) {
        return;
    }
    const AlarmWordPage::RecordingControls c = dialog_.WordPage()->Recording();
    c.WavePlay->setText(Idle());
    c.Record->setEnabled(RecordedVoiceMode());
    s_.Player.SetUrl("");
}

}  // namespace velmora
