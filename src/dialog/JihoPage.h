#pragma once

#include <QWidget>
#include <array>

#include "dialog/DialogValues.h"
#include "dialog/SettingsDialogTypes.h"
#include "dialog/SettingsValidation.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace velmora {

class NumericEdit;
class RadioGroup;
class VolumeTrackBar;

// Page "時報": the time signal on or off, its interval, volumes by time of
// day, the ending, and the sound played with it.
class JihoPage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(JihoPage)

public:
    JihoPage(SettingsDialogState& state, QWidget* parent = nullptr);

    // The built-in sounds and the ones the user added.
    void FillSoundList(const DialogValues& form);
    // Sounds the user adds go last, the last one selected; a removed one
    // leaves "なし" selected.
    void AppendSounds(const QStringList& names);
    void RemoveSound(int index);
    void Load(const DialogValues& form);
    // Only the controls that are also tray menu switches.
    void LoadMenuSwitches(const DialogValues& form);
    void Store(DialogValues& form) const;
    QWidget* Field(const FormField& field) const;
    // The list of the sounds before the time signal's words.
    QComboBox* BeforeSoundList() const { return comboBoxBeforeJihoSound_; }
    void RenewVolumeHints();

signals:
    void volumeTestRequested(VolumeTrack track);
    // A sound other than "なし" was picked and is played as a preview.
    void soundPicked(int index);
    void addSoundRequested();

private:
    struct RangeRow {
        NumericEdit* StartHour = nullptr;
        NumericEdit* StartMinit = nullptr;
        NumericEdit* EndHour = nullptr;
        NumericEdit* EndMinit = nullptr;
        VolumeTrackBar* Volume = nullptr;
        QPushButton* Test = nullptr;
    };

    QWidget* BuildRanges();
    void ApplyInterval(int mode);

    SettingsDialogState& state_;
    RadioGroup* radioGroupJiho_;
    RadioGroup* radioGroupJihoInterval_;
    NumericEdit* leJihoIntervalMinit_;
    NumericEdit* leJihoIntervalHour_;
    VolumeTrackBar* trackBarMainJihoVolume_;
    QPushButton* btnMainJihoVolumeTest_;
    std::array<RangeRow, 3> ranges_;
    QComboBox* comboBoxJihoGobi_;
    QComboBox* comboBoxBeforeJihoSound_;
    QPushButton* btnAddBeforeJihoSound_;
    QCheckBox* checkBoxSpeakJihoBeforeSound_;
};

}  // namespace velmora
