#include "dialog/NoAlarmDaysPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velmora {
namespace {

QLabel* RedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: red"));
    return label;
}

QLineEdit* DayListEdit(const QString& name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setToolTip(QStringLiteral("日にちを半角整数・カンマ区切りで入力してください。"));
    return edit;
}

}  // namespace

NoAlarmDaysPanel::NoAlarmDaysPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("目覚まししない日"), parent),
      checkBoxHoliday_(new QCheckBox(QStringLiteral("国民の祝日"), this)),
      checkBoxMonthEnd_(new QCheckBox(QStringLiteral("月末"), this)),
      leDayOfMonth_(DayListEdit(QStringLiteral("LEDayOfMonth"), this)),
      comboBoxMonth_(new QComboBox(this)),
      leDay_(DayListEdit(QStringLiteral("LEDay"), this)),
      btnPlan_(new QPushButton(QStringLiteral("予定を確認..."), this)) {
    btnPlan_->setObjectName(QStringLiteral("BtnAlarmPlan"));
    checkBoxHoliday_->setObjectName(QStringLiteral("CheckBoxHoliday"));
    checkBoxMonthEnd_->setObjectName(QStringLiteral("CheckBoxMonthEnd"));
    comboBoxMonth_->setObjectName(QStringLiteral("ComboBoxMonth"));
    comboBoxMonth_->setAccessibleName(QStringLiteral("目覚まししない日の月"));
    for (int month = 1; month <= 12; ++month) {
        comboBoxMonth_->addItem(QString::number(month) + QStringLiteral("月"));
    }
    comboBoxMonth_->setMaxVisibleItems(12);

    auto* checks = new QHBoxLayout;
    checks->addWidget(checkBoxHoliday_);
    checks->addWidget(checkBoxMonthEnd_);
    checks->addStretch(1);
    checks->addWidget(btnPlan_);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(3);
    grid->addWidget(new QLabel(QStringLiteral("毎月:"), this), 0, 0, Qt::AlignRight);
    grid->addWidget(leDayOfMonth_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("日"), this), 0, 2);
    grid->addWidget(RedLabel(QStringLiteral("(カンマ区切り)"), this), 0, 3);
    grid->addWidget(comboBoxMonth_, 1, 0);
    grid->addWidget(leDay_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("日"), this), 1, 2);
    grid->addWidget(RedLabel(QStringLiteral("(カンマ区切り)"), this), 1, 3);
    grid->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(4);
    layout->addLayout(checks);
    layout->addLayout(grid);
    // Tab reads the top row to its end before the day lists below it.
    setTabOrder(checkBoxMonthEnd_, btnPlan_);

    connect(comboBoxMonth_, &QComboBox::activated, this, &NoAlarmDaysPanel::monthPicked);
    connect(btnPlan_, &QPushButton::clicked, this, &NoAlarmDaysPanel::planRequested);
}

void NoAlarmDaysPanel::Load(const DialogValues& form) {
    checkBoxHoliday_->setChecked(form.NoAlarmHoliday);
    checkBoxMonthEnd_->setChecked(form.NoAlarmMonthEnd);
    SetMonthIndex(form.Month);
    SetDayText(QString::fromStdString(form.Day));
    leDayOfMonth_->setText(QString::fromStdString(form.DayOfMonth));
}

void NoAlarmDaysPanel::Store(DialogValues& form) const {
    form.NoAlarmHoliday = checkBoxHoliday_->isChecked();
    form.NoAlarmMonthEnd = checkBoxMonthEnd_->isChecked();
    form.DayOfMonth = leDayOfMonth_->text().toStdString();
    form.Month = MonthIndex();
    form.Day = DayText().toStdString();
}

QWidget* NoAlarmDaysPanel::Field(const FormField& field) const {
    switch (field.Kind) {
        case FormFieldKind::Day:
            return leDay_;
        case FormFieldKind::DayOfMonth:
            return leDayOfMonth_;
        default:
            return nullptr;
    }
}

int NoAlarmDaysPanel::MonthIndex() const {
    return comboBoxMonth_->currentIndex();
}

void NoAlarmDaysPanel::SetMonthIndex(int month) {
    comboBoxMonth_->setCurrentIndex(month);
}

QString NoAlarmDaysPanel::DayText() const {
    return leDay_->text();
}

void NoAlarmDaysPanel::SetDayText(const QString& text) {
    leDay_->setText(text);
}

}  // namespace velmora
