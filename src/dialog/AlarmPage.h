#pragma once

#include <QWidget>

#include "dialog/DialogValues.h"
#include "dialog/SettingsDialogTypes.h"
#include "dialog/SettingsValidation.h"

class QLabel;

namespace velmora {

class AlarmSchedulePanel;
class AlarmSoundPanel;
class AlarmVolumePanel;
class NoAlarmDaysPanel;
class NumericEdit;
class RadioGroup;

// Page "目覚まし時計": the alarm mode, the clock's visibility and dial colour,
// the snooze interval, the alarm times, the days without alarm, the sounds,
// volumes and music.
class AlarmPage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AlarmPage)

public:
    AlarmPage(SettingsDialogState& state, QWidget* parent = nullptr);

    void Load(const DialogValues& form);
    // Only the controls that are also tray menu switches.
    void LoadMenuSwitches(const DialogValues& form);
    void Store(DialogValues& form) const;
    QWidget* Field(const FormField& field) const;

    NoAlarmDaysPanel* NoAlarmDays() const { return noAlarmDays_; }
    AlarmSoundPanel* Sounds() const { return sounds_; }
    AlarmVolumePanel* Volumes() const { return volumes_; }

signals:
    // The user picked a dial colour (0 gray, 1 white).
    void backColorPicked(int index);

private:
    void ApplyAlarmMode(int index);

    SettingsDialogState& state_;
    RadioGroup* radioGroupAlarm_;
    RadioGroup* radioGroupShowClock_;
    RadioGroup* radioGroupBackColor_;
    QLabel* label8_;
    NumericEdit* leSnoozeMinit_;
    AlarmSchedulePanel* schedule_;
    NoAlarmDaysPanel* noAlarmDays_;
    AlarmSoundPanel* sounds_;
    AlarmVolumePanel* volumes_;
};

}  // namespace velmora
