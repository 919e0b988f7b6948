#pragma once

#include <QGroupBox>

#include "dialog/DialogValues.h"
#include "dialog/SettingsValidation.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace velmora {

// The group "目覚まししない日": holidays, month ends, days of every month,
// and the days of one month at a time.
class NoAlarmDaysPanel final : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NoAlarmDaysPanel)

public:
    explicit NoAlarmDaysPanel(QWidget* parent = nullptr);

    void Load(const DialogValues& form);
    void Store(DialogValues& form) const;
    QWidget* Field(const FormField& field) const;

    int MonthIndex() const;
    void SetMonthIndex(int month);
    QString DayText() const;
    void SetDayText(const QString& text);

signals:
    // The user picked a month (0 = January) in the month box.
    void monthPicked(int month);
    // "予定を確認...": which days the values shown now would ring.
    void planRequested();

private:
    QCheckBox* checkBoxHoliday_;
    QCheckBox* checkBoxMonthEnd_;
    QLineEdit* leDayOfMonth_;
    QComboBox* comboBoxMonth_;
    QLineEdit* leDay_;
    QPushButton* btnPlan_;
};

}  // namespace velmora
