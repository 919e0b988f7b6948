#pragma once

#include <QGroupBox>
#include <array>

#include "dialog/DialogValues.h"
#include "dialog/SettingsDialogTypes.h"
#include "dialog/SettingsValidation.h"

class QGridLayout;
class QLabel;

namespace velmora {

class NumericEdit;
class RadioGroup;

// The group "目覚まし時刻": one alarm time for every day, or one per weekday.
class AlarmSchedulePanel final : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AlarmSchedulePanel)

public:
    AlarmSchedulePanel(SettingsDialogState& state, QWidget* parent = nullptr);

    void Load(const DialogValues& form);
    void Store(DialogValues& form) const;
    QWidget* Field(const FormField& field) const;

private:
    struct TimeEdits {
        NumericEdit* Hour = nullptr;
        NumericEdit* Minit = nullptr;
        NumericEdit* Second = nullptr;
    };

    TimeEdits AddTimeRow(QGridLayout* grid, int row, QWidget* parent, const QString& name,
                         const QString& caption);
    void ApplyDayOrWeek(int index);
    static void Fill(const TimeEdits& edits, const AlarmTimeFields& fields);
    static AlarmTimeFields Read(const TimeEdits& edits);

    SettingsDialogState& state_;
    QLabel* label20_;
    RadioGroup* radioGroupDayOrWeek_;
    QWidget* dayRow_;
    TimeEdits day_;
    QWidget* panelWeekSchedule_;
    std::array<TimeEdits, 7> week_;
};

}  // namespace velmora
