#pragma once

#include <QWidget>

#include "dialog/DialogValues.h"
#include "dialog/SettingsDialogTypes.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace velmora {

// The sound before the wake-up words, telling the time first, and how long
// before the alarm the computer is woken.
class AlarmSoundPanel final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AlarmSoundPanel)

public:
    AlarmSoundPanel(SettingsDialogState& state, QWidget* parent = nullptr);

    // The built-in sounds and the ones the user added.
    void FillSoundList(const DialogValues& form);
    void Load(const DialogValues& form);
    void Store(DialogValues& form) const;
    // Sounds the user adds: listed after the others, the last one selected
    // and random picking offered.
    void AppendSounds(const QStringList& names);
    // An added sound taken off the list: nothing is selected and random
    // picking is off.
    void RemoveSound(int index);
    // The list of the sounds before the alarm's words.
    QComboBox* BeforeSoundList() const { return comboBoxBeforeAlarmSpeakSound_; }

signals:
    // A sound other than "なし" was picked and is played as a preview.
    void soundPicked(int index);
    void addSoundRequested();

private:
    void ApplySoundIndex(int index);

    SettingsDialogState& state_;
    QComboBox* comboBoxBeforeAlarmSpeakSound_;
    QCheckBox* checkBoxRandomBeforeSound_;
    QPushButton* btnAddBeforeAlarmSpeakSound_;
    QCheckBox* checkBoxAlarmJiho_;
    QComboBox* comboBoxResumeTime_;
};

// The built-in names of the two before-sound lists, "なし" first.
QStringList BuiltInAlarmSoundNames();
QStringList BuiltInJihoSoundNames();

}  // namespace velmora
