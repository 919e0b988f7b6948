#pragma once

#include <QWidget>
#include <vector>

#include "dialog/DialogValues.h"
#include "dialog/SettingsDialogTypes.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace velmora {

class VolumeTrackBar;

// The alarm's volumes and its wake-up music.
class AlarmVolumePanel final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AlarmVolumePanel)

public:
    AlarmVolumePanel(SettingsDialogState& state, QWidget* parent = nullptr);

    void Load(const DialogValues& form);
    void Store(DialogValues& form) const;
    void RenewVolumeHints();
    int FirstVolume() const;
    int MaxVolume() const;
    bool VolumeUp() const;
    // Music the user adds is listed by its shortened path and selected
    // (the last of several) ready for a test; random play is offered from
    // two pieces on.
    void AppendMusic(const std::vector<std::string>& paths);
    // A piece taken off the list: nothing selected, no test, no repeat, and
    // random play off once fewer than two pieces are left.
    void RemoveMusic(int index);
    QPushButton* MusicTestButton() const { return btnAlarmMusicTest_; }
    QComboBox* MusicList() const { return comboBoxAlarmMusic_; }

signals:
    void volumeTestRequested(VolumeTrack track);
    void addMusicRequested();
    void musicTestRequested();

private:
    void FillMusicList(const std::vector<std::string>& paths);
    void AddMusicEntries(const std::vector<std::string>& paths);
    void ApplyMusicIndex(int index, bool userPick);

    SettingsDialogState& state_;
    VolumeTrackBar* trackBarFirstVolume_;
    QPushButton* btnFirstVolumeTest_;
    QCheckBox* checkBoxVolumeUp_;
    VolumeTrackBar* trackBarMaxVolume_;
    QPushButton* btnMaxVolumeTest_;
    QPushButton* btnAlarmMusic_;
    QComboBox* comboBoxAlarmMusic_;
    QPushButton* btnAlarmMusicTest_;
    QCheckBox* checkBoxAlarmMusicRandom_;
    QCheckBox* checkBoxAlarmMusicRepeat_;
    QCheckBox* checkBoxPlayStop_;
    std::vector<std::string> musicPaths_;
};

}  // namespace velmora
