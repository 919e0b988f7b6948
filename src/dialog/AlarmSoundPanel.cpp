#include "dialog/AlarmSoundPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace velmora {

QStringList BuiltInAlarmSoundNames() {
    QStringList names = {QStringLiteral("なし"), QStringLiteral("ピロロン"),
                         QStringLiteral("ボワーン"), QStringLiteral("ボーン"),
                         QStringLiteral("ピコ")};
    for (int n = 1; n <= 9; ++n) {
        names << QStringLiteral("アラーム") + QString::number(n);
    }
    return names;
}

QStringList BuiltInJihoSoundNames() {
    return {QStringLiteral("なし"),   QStringLiteral("ピロロン"), QStringLiteral("ボワーン"),
            QStringLiteral("ボーン"), QStringLiteral("ピコ"),     QStringLiteral("時報音")};
}

AlarmSoundPanel::AlarmSoundPanel(SettingsDialogState& state, QWidget* parent)
    : QWidget(parent),
      state_(state),
      comboBoxBeforeAlarmSpeakSound_(new QComboBox(this)),
      checkBoxRandomBeforeSound_(new QCheckBox(QStringLiteral("ランダムに鳴らす"), this)),
      btnAddBeforeAlarmSpeakSound_(new QPushButton(QStringLiteral("追加"), this)),
      checkBoxAlarmJiho_(new QCheckBox(QStringLiteral("目覚めの言葉の前に時刻を告げる"), this)),
      comboBoxResumeTime_(new QComboBox(this)) {
    comboBoxBeforeAlarmSpeakSound_->setObjectName(QStringLiteral("ComboBoxBeforeAlarmSpeakSound"));
    checkBoxRandomBeforeSound_->setObjectName(QStringLiteral("CheckBoxRandomBeforeSound"));
    btnAddBeforeAlarmSpeakSound_->setObjectName(QStringLiteral("BtnAddBeforeAlarmSpeakSound"));
    checkBoxAlarmJiho_->setObjectName(QStringLiteral("CheckBoxAlarmJiho"));
    comboBoxResumeTime_->setObjectName(QStringLiteral("ComboBoxResumeTime"));
    // A screen reader reads a list box by the caption it is the buddy of
    // (below); the name is what its drop-down list goes by.
    comboBoxBeforeAlarmSpeakSound_->setAccessibleName(QStringLiteral("目覚ましに鳴らす音"));
    comboBoxResumeTime_->setAccessibleName(
        QStringLiteral("省電力モードから復帰するときに電源を入れる時刻"));
    for (int minutes = 1; minutes <= 5; ++minutes) {
        comboBoxResumeTime_->addItem(QString::number(minutes) + QStringLiteral("分前"));
    }
    comboBoxBeforeAlarmSpeakSound_->addItems(BuiltInAlarmSoundNames());
    comboBoxBeforeAlarmSpeakSound_->setMinimumContentsLength(8);
    comboBoxBeforeAlarmSpeakSound_->setSizeAdjustPolicy(
        QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ApplySoundIndex(0);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(3);
    auto* soundRow = new QHBoxLayout;
    auto* soundCaption = new QLabel(QStringLiteral("目覚ましに鳴らす音:"), this);
    soundCaption->setBuddy(comboBoxBeforeAlarmSpeakSound_);
    soundRow->addWidget(soundCaption);
    soundRow->addWidget(comboBoxBeforeAlarmSpeakSound_, 1);
    grid->addLayout(soundRow, 0, 0);
    auto* randomRow = new QHBoxLayout;
    randomRow->addWidget(checkBoxRandomBeforeSound_);
    randomRow->addStretch(1);
    randomRow->addWidget(btnAddBeforeAlarmSpeakSound_);
    grid->addLayout(randomRow, 1, 0);
    grid->addWidget(checkBoxAlarmJiho_, 2, 0);
    auto* resumeCaption = new QLabel(QStringLiteral("省電力モードから復帰時は"), this);
    resumeCaption->setBuddy(comboBoxResumeTime_);
    grid->addWidget(resumeCaption, 3, 0);
    auto* resumeRow = new QHBoxLayout;
    resumeRow->addWidget(comboBoxResumeTime_);
    resumeRow->addWidget(new QLabel(QStringLiteral("に電源を入れる"), this));
    resumeRow->addStretch(1);
    grid->addLayout(resumeRow, 4, 0);

    connect(comboBoxBeforeAlarmSpeakSound_, &QComboBox::activated, this, [this](int index) {
        if (!state_.DialogLoaded) {
            return;
        }
        ApplySoundIndex(index);
        if (index > 0) {
            emit soundPicked(index);
        }
    });
    connect(btnAddBeforeAlarmSpeakSound_, &QPushButton::clicked, this,
            &AlarmSoundPanel::addSoundRequested);
}

void AlarmSoundPanel::FillSoundList(const DialogValues& form) {
    comboBoxBeforeAlarmSpeakSound_->clear();
    comboBoxBeforeAlarmSpeakSound_->addItems(BuiltInAlarmSoundNames());
    for (const std::string& name : form.AddedAlarmSounds) {
        comboBoxBeforeAlarmSpeakSound_->addItem(QString::fromStdString(name));
    }
    comboBoxBeforeAlarmSpeakSound_->setCurrentIndex(0);
}

void AlarmSoundPanel::AppendSounds(const QStringList& names) {
    comboBoxBeforeAlarmSpeakSound_->addItems(names);
    comboBoxBeforeAlarmSpeakSound_->setCurrentIndex(comboBoxBeforeAlarmSpeakSound_->count() - 1);
    checkBoxRandomBeforeSound_->setEnabled(true);
}

void AlarmSoundPanel::RemoveSound(int index) {
    comboBoxBeforeAlarmSpeakSound_->removeItem(index);
    comboBoxBeforeAlarmSpeakSound_->setCurrentIndex(0);
    ApplySoundIndex(0);
}

// Random picking needs a sound list to pick from: with "なし" it is off.
void AlarmSoundPanel::ApplySoundIndex(int index) {
    if (index == 0) {
        checkBoxRandomBeforeSound_->setChecked(false);
    }
    checkBoxRandomBeforeSound_->setEnabled(index != 0);
}

void AlarmSoundPanel::Load(const DialogValues& form) {
    comboBoxBeforeAlarmSpeakSound_->setCurrentIndex(form.BeforeSoundNo);
    ApplySoundIndex(form.BeforeSoundNo);
    checkBoxRandomBeforeSound_->setChecked(form.BeforeSoundNoRandom);
    checkBoxAlarmJiho_->setChecked(form.AlarmJiho);
    comboBoxResumeTime_->setCurrentIndex(form.ResumeTime);
}

void AlarmSoundPanel::Store(DialogValues& form) const {
    form.BeforeSoundNo = comboBoxBeforeAlarmSpeakSound_->currentIndex();
    form.BeforeSoundNoRandom = checkBoxRandomBeforeSound_->isChecked();
    form.AlarmJiho = checkBoxAlarmJiho_->isChecked();
    form.ResumeTime = comboBoxResumeTime_->currentIndex();
}

}  // namespace velmora
