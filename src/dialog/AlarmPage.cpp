#include "dialog/AlarmPage.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "dialog/AlarmSchedulePanel.h"
#include "dialog/AlarmSoundPanel.h"
#include "dialog/AlarmVolumePanel.h"
#include "dialog/NoAlarmDaysPanel.h"
#include "dialog/NumericEdit.h"
#include "dialog/RadioGroup.h"

namespace velmora {

AlarmPage::AlarmPage(SettingsDialogState& state, QWidget* parent)
    : QWidget(parent),
      state_(state),
      radioGroupAlarm_(new RadioGroup(
          QStringLiteral("目覚まし"),
          {QStringLiteral("使わない"), QStringLiteral("目覚まし"), QStringLiteral("スヌーズ")}, 1,
          this)),
      radioGroupShowClock_(
          new RadioGroup(QStringLiteral("時計"),
                         {QStringLiteral("表示しない"), QStringLiteral("表示する")}, 1, this)),
      radioGroupBackColor_(new RadioGroup(
          QStringLiteral("文字盤の色"), {QStringLiteral("グレー"), QStringLiteral("白")}, 2, this)),
      label8_(new QLabel(QStringLiteral("スヌーズの間隔:"), this)),
      leSnoozeMinit_(new NumericEdit(QStringLiteral("3"), this)),
      schedule_(new AlarmSchedulePanel(state, this)),
      noAlarmDays_(new NoAlarmDaysPanel(this)),
      sounds_(new AlarmSoundPanel(state, this)),
      volumes_(new AlarmVolumePanel(state, this)) {
    radioGroupAlarm_->setObjectName(QStringLiteral("RadioGroupAlarm"));
    radioGroupAlarm_->SetItemIndex(0);
    radioGroupShowClock_->setObjectName(QStringLiteral("RadioGroupShowClock"));
    radioGroupShowClock_->SetItemIndex(1);
    radioGroupBackColor_->setObjectName(QStringLiteral("RadioGroupBackColor"));
    radioGroupBackColor_->SetItemIndex(0);
    label8_->setObjectName(QStringLiteral("Label8"));
    leSnoozeMinit_->setObjectName(QStringLiteral("LESnoozeMinit"));
    leSnoozeMinit_->setAccessibleName(QStringLiteral("スヌーズの間隔（分）"));
    ApplyAlarmMode(0);

    auto* snoozeRow = new QHBoxLayout;
    snoozeRow->addWidget(leSnoozeMinit_);
    snoozeRow->addWidget(new QLabel(QStringLiteral("分"), this));
    snoozeRow->addWidget(new QLabel(QStringLiteral("(1～60分)"), this));
    snoozeRow->addStretch(1);

    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(radioGroupAlarm_);
    left->addWidget(radioGroupShowClock_);
    left->addWidget(radioGroupBackColor_);
    left->addWidget(label8_);
    left->addLayout(snoozeRow);
    left->addStretch(1);

    auto* right = new QVBoxLayout;
    right->setSpacing(6);
    right->addWidget(noAlarmDays_);
    right->addWidget(sounds_);
    right->addStretch(1);

    auto* top = new QHBoxLayout;
    top->setSpacing(5);
    top->addLayout(left);
    top->addWidget(schedule_);
    top->addLayout(right, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addLayout(top);
    layout->addWidget(volumes_);
    layout->addStretch(1);

    connect(radioGroupAlarm_, &RadioGroup::itemClicked, this, [this](int index) {
        if (state_.DialogLoaded) {
            ApplyAlarmMode(index);
        }
    });
    connect(radioGroupBackColor_, &RadioGroup::itemClicked, this, [this](int index) {
        if (state_.DialogLoaded) {
            emit backColorPicked(index);
        }
    });
}

// The snooze interval is only asked for in snooze mode.
void AlarmPage::ApplyAlarmMode(int index) {
    leSnoozeMinit_->setEnabled(index == 2);
    label8_->setEnabled(index == 2);
}

void AlarmPage::Load(const DialogValues& form) {
    schedule_->Load(form);
    noAlarmDays_->Load(form);
    sounds_->Load(form);
    leSnoozeMinit_->setText(QString::fromStdString(form.SnoozeMinit));
    volumes_->Load(form);
    LoadMenuSwitches(form);
}

void AlarmPage::LoadMenuSwitches(const DialogValues& form) {
    radioGroupAlarm_->SetItemIndex(form.Alarm);
    ApplyAlarmMode(form.Alarm);
    radioGroupShowClock_->SetItemIndex(form.ShowClock);
    radioGroupBackColor_->SetItemIndex(form.BackColor);
}

void AlarmPage::Store(DialogValues& form) const {
    form.Alarm = radioGroupAlarm_->ItemIndex();
    form.ShowClock = radioGroupShowClock_->ItemIndex();
    form.BackColor = radioGroupBackColor_->ItemIndex();
    form.SnoozeMinit = leSnoozeMinit_->text().toStdString();
    schedule_->Store(form);
    noAlarmDays_->Store(form);
    sounds_->Store(form);
    volumes_->Store(form);
}

QWidget* AlarmPage::Field(const FormField& field) const {
    if (field.Kind == FormFieldKind::SnoozeMinit) {
        return leSnoozeMinit_;
    }
    if (QWidget* w = schedule_->Field(field)) {
        return w;
    }
    return noAlarmDays_->Field(field);
}

}  // namespace velmora
