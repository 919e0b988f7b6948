#pragma once

#include <QWidget>
#include <string>

#include "dialog/DialogValues.h"
#include "dialog/SettingsDialogTypes.h"
#include "dialog/SettingsValidation.h"

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace velmora {

class RadioGroup;

// Page "目覚めの言葉": speak the wake-up words or play the recorded voice;
// which words; the user's own words; the recording.
class AlarmWordPage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AlarmWordPage)

public:
    AlarmWordPage(SettingsDialogState& state, std::string recordedVoicePath,
                  QWidget* parent = nullptr);

    void Load(const DialogValues& form);
    void Store(DialogValues& form) const;
    QWidget* Field(const FormField& field) const;

    // The red mark on the memo: its words still have to pass TEST.
    bool MemoUntested() const { return memoUntested_; }
    void SetMemoUntested(bool untested);
    // The words as the last successful TEST (or the file) gave them.
    const OwnAlarmWords& OwnWords() const { return ownWords_; }
    void SetOwnWords(OwnAlarmWords words);
    // The speaking mode is forced back when the recording has gone.
    void SetHowTo(int index);
    int HowTo() const;

    // The group "録音した声", for the recording and listening commands.
    struct RecordingControls {
        QPushButton* Record;
        QPushButton* WavePlay;
        QProgressBar* Progress;
        QLabel* Time;
    };
    RecordingControls Recording() const {
        return {btnRecord_, btnWavePlay_, progressBarRecord_, lblRecordTime_};
    }
    // The whole seconds recorded so far, on the bar and its label (never
    // more than the bar's 60).
    void ShowRecordSeconds(int seconds);

signals:
    // A preset phrase was picked: it is spoken as a test.
    void presetWordPicked();
    void alarmWordTestRequested();
    void wavePlayRequested();
    void recordRequested();

private:
    void ApplyHowTo(int howTo);
    void ApplyWord(int word);
    bool RecordingExists() const;

    SettingsDialogState& state_;
    std::string recordedVoicePath_;
    RadioGroup* radioGroupHowToPlay_;
    RadioGroup* radioGroupAlarmWord_;
    QLabel* label10_;
    QPlainTextEdit* memoAlarmWord_;
    QPushButton* btnAlarmWordTest_;
    QPushButton* btnWavePlay_;
    QPushButton* btnRecord_;
    QProgressBar* progressBarRecord_;
    QLabel* lblRecordTime_;
    bool memoUntested_ = false;
    OwnAlarmWords ownWords_;
};

}  // namespace velmora
