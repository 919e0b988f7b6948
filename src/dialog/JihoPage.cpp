#include "dialog/JihoPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>

#include "dialog/AlarmSoundPanel.h"
#include "dialog/NumericEdit.h"
#include "dialog/RadioGroup.h"
#include "dialog/VolumeTrackBar.h"
#include "settings/AlarmWords.h"

namespace velmora {

JihoPage::JihoPage(SettingsDialogState& state, QWidget* parent)
    : QWidget(parent),
      state_(state),
      radioGroupJiho_(new RadioGroup(QStringLiteral("時報"),
                                     {QStringLiteral("しゃべらない"), QStringLiteral("しゃべる")},
                                     2, this)),
      radioGroupJihoInterval_(
          new RadioGroup(QStringLiteral("時報の間隔"),
                         {QStringLiteral("1時間のうち"), QStringLiteral("1日のうち")}, 1, this)),
      leJihoIntervalMinit_(new NumericEdit(QStringLiteral("15"), this)),
      leJihoIntervalHour_(new NumericEdit(QStringLiteral("1"), this)),
      trackBarMainJihoVolume_(new VolumeTrackBar(this)),
      btnMainJihoVolumeTest_(new QPushButton(QStringLiteral("TEST"), this)),
      comboBoxJihoGobi_(new QComboBox(this)),
      comboBoxBeforeJihoSound_(new QComboBox(this)),
      btnAddBeforeJihoSound_(new QPushButton(QStringLiteral("追加"), this)),
      checkBoxSpeakJihoBeforeSound_(
          new QCheckBox(QStringLiteral("時刻を告げてから時報音を鳴らす"), this)) {
    radioGroupJiho_->setObjectName(QStringLiteral("RadioGroupJiho"));
    radioGroupJiho_->SetItemIndex(1);
    radioGroupJihoInterval_->setObjectName(QStringLiteral("RadioGroupJihoInterval"));
    radioGroupJihoInterval_->SetItemIndex(1);
    leJihoIntervalMinit_->setObjectName(QStringLiteral("LEJihoIntervalMinit"));
    leJihoIntervalHour_->setObjectName(QStringLiteral("LEJihoIntervalHour"));
    radioGroupJihoInterval_->AddBeside(0, leJihoIntervalMinit_, 1);
    radioGroupJihoInterval_->AddBeside(0, new QLabel(QStringLiteral("分ごとに")), 2);
    radioGroupJihoInterval_->AddBeside(1, leJihoIntervalHour_, 1);
    radioGroupJihoInterval_->AddBeside(1, new QLabel(QStringLiteral("時間ごとに")), 2);
    ApplyInterval(1);
    trackBarMainJihoVolume_->setObjectName(QStringLiteral("TrackBarMainJihoVolume"));
    btnMainJihoVolumeTest_->setObjectName(QStringLiteral("BtnMainJihoVolumeTest"));
    btnMainJihoVolumeTest_->setAccessibleName(QStringLiteral("通常の時報の音量を試す"));
    comboBoxJihoGobi_->setObjectName(QStringLiteral("ComboBoxJihoGobi"));
    comboBoxJihoGobi_->setAccessibleName(QStringLiteral("時報の語尾"));
    for (int gobi = 0; gobi <= 6; ++gobi) {
        comboBoxJihoGobi_->addItem(QString::fromStdString(JihoEnding(gobi)));
    }
    comboBoxBeforeJihoSound_->setObjectName(QStringLiteral("ComboBoxBeforeJihoSound"));
    comboBoxBeforeJihoSound_->setAccessibleName(QStringLiteral("時報の前に鳴らす音"));
    comboBoxBeforeJihoSound_->addItems(BuiltInJihoSoundNames());
    comboBoxBeforeJihoSound_->setMinimumContentsLength(8);
    btnAddBeforeJihoSound_->setObjectName(QStringLiteral("BtnAddBeforeJihoSound"));
    checkBoxSpeakJihoBeforeSound_->setObjectName(QStringLiteral("CheckBoxSpeakJihoBeforeSound"));

    auto* top = new QHBoxLayout;
    top->addWidget(radioGroupJiho_);
    top->addWidget(radioGroupJihoInterval_, 1);

    auto* mainVolume = new QHBoxLayout;
    mainVolume->addWidget(new QLabel(QStringLiteral("通常の時報の音量:"), this));
    trackBarMainJihoVolume_->setAccessibleName(QStringLiteral("通常の時報の音量"));
    mainVolume->addWidget(trackBarMainJihoVolume_, 1);
    mainVolume->addWidget(btnMainJihoVolumeTest_);

    auto* sounds = new QGridLayout;
    // The captions label the list boxes for a screen reader.
    auto* gobiCaption = new QLabel(QStringLiteral("時報の語尾"), this);
    gobiCaption->setBuddy(comboBoxJihoGobi_);
    sounds->addWidget(gobiCaption, 0, 0);
    sounds->addWidget(comboBoxJihoGobi_, 0, 1);
    auto* soundCaption = new QLabel(QStringLiteral("時報の前に鳴らす音:"), this);
    soundCaption->setBuddy(comboBoxBeforeJihoSound_);
    sounds->addWidget(soundCaption, 1, 0);
    sounds->addWidget(comboBoxBeforeJihoSound_, 1, 1);
    sounds->addWidget(btnAddBeforeJihoSound_, 1, 2);
    sounds->addWidget(checkBoxSpeakJihoBeforeSound_, 2, 0, 1, 3);
    sounds->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addLayout(mainVolume);
    layout->addWidget(BuildRanges());
    layout->addSpacing(6);
    layout->addLayout(sounds);
    layout->addStretch(1);

    // The range rows are made after the controls below them; Tab takes them
    // where they stand, between the main volume and the endings.
    QWidget* previous = btnMainJihoVolumeTest_;
    for (const RangeRow& row : ranges_) {
        for (QWidget* next : std::initializer_list<QWidget*>{
                 row.StartHour, row.StartMinit, row.EndHour, row.EndMinit, row.Volume, row.Test}) {
            setTabOrder(previous, next);
            previous = next;
        }
    }

    connect(radioGroupJihoInterval_, &RadioGroup::itemClicked, this, [this](int mode) {
        if (state_.DialogLoaded) {
            ApplyInterval(mode);
        }
    });
    connect(btnMainJihoVolumeTest_, &QPushButton::clicked, this,
            [this] { emit volumeTestRequested(VolumeTrack::MainJiho); });
    connect(comboBoxBeforeJihoSound_, &QComboBox::activated, this, [this](int index) {
        if (state_.DialogLoaded && index > 0) {
            emit soundPicked(index);
        }
    });
    connect(btnAddBeforeJihoSound_, &QPushButton::clicked, this, &JihoPage::addSoundRequested);
}

QWidget* JihoPage::BuildRanges() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    for (int n = 0; n < 3; ++n) {
        RangeRow& row = ranges_[static_cast<size_t>(n)];
        const QString suffix = QString::number(n);
        row.StartHour = new NumericEdit(QString(), box);
        row.StartMinit = new NumericEdit(QString(), box);
        row.EndHour = new NumericEdit(QString(), box);
        row.EndMinit = new NumericEdit(QString(), box);
        row.Volume = new VolumeTrackBar(box);
        row.Test = new QPushButton(QStringLiteral("TEST"), box);
        row.StartHour->setObjectName(QStringLiteral("LEJihoVolumeStartHour") + suffix);
        row.StartMinit->setObjectName(QStringLiteral("LEJihoVolumeStartMinit") + suffix);
        row.EndHour->setObjectName(QStringLiteral("LEJihoVolumeEndHour") + suffix);
        row.EndMinit->setObjectName(QStringLiteral("LEJihoVolumeEndMinit") + suffix);
        row.Volume->setObjectName(QStringLiteral("TrackBarJihoVolume") + suffix);
        row.Test->setObjectName(QStringLiteral("BtnJihoVolumeTest") + suffix);
        const QString range = QStringLiteral("時間帯%1の").arg(n + 1);
        row.StartHour->setAccessibleName(range + QStringLiteral("始まりの時"));
        row.StartMinit->setAccessibleName(range + QStringLiteral("始まりの分"));
        row.EndHour->setAccessibleName(range + QStringLiteral("終わりの時"));
        row.EndMinit->setAccessibleName(range + QStringLiteral("終わりの分"));
        row.Volume->setAccessibleName(range + QStringLiteral("時報の音量"));
        row.Test->setAccessibleName(range + QStringLiteral("時報の音量を試す"));
        grid->addWidget(row.StartHour, n, 0);
        grid->addWidget(new QLabel(QStringLiteral("時"), box), n, 1);
        grid->addWidget(row.StartMinit, n, 2);
        grid->addWidget(new QLabel(QStringLiteral("分"), box), n, 3);
        grid->addWidget(new QLabel(QStringLiteral("～"), box), n, 4);
        grid->addWidget(row.EndHour, n, 5);
        grid->addWidget(new QLabel(QStringLiteral("時"), box), n, 6);
        grid->addWidget(row.EndMinit, n, 7);
        grid->addWidget(new QLabel(QStringLiteral("分"), box), n, 8);
        grid->addWidget(row.Volume, n, 9);
        grid->addWidget(row.Test, n, 10);
        const auto track = static_cast<VolumeTrack>(static_cast<int>(VolumeTrack::Range0) + n);
        connect(row.Test, &QPushButton::clicked, this,
                [this, track] { emit volumeTestRequested(track); });
    }
    grid->setColumnStretch(9, 1);
    auto* note = new QLabel(QStringLiteral("(24時間制で入力)"), box);
    note->setStyleSheet(QStringLiteral("color: red"));
    grid->addWidget(note, 3, 0, 1, 9);
    return box;
}

void JihoPage::ApplyInterval(int mode) {
    leJihoIntervalMinit_->setEnabled(mode == 0);
    leJihoIntervalHour_->setEnabled(mode == 1);
}

void JihoPage::FillSoundList(const DialogValues& form) {
    comboBoxBeforeJihoSound_->clear();
    comboBoxBeforeJihoSound_->addItems(BuiltInJihoSoundNames());
    for (const std::string& name : form.AddedJihoSounds) {
        comboBoxBeforeJihoSound_->addItem(QString::fromStdString(name));
    }
}

void JihoPage::AppendSounds(const QStringList& names) {
    comboBoxBeforeJihoSound_->addItems(names);
    comboBoxBeforeJihoSound_->setCurrentIndex(comboBoxBeforeJihoSound_->count() - 1);
}

void JihoPage::RemoveSound(int index) {
    comboBoxBeforeJihoSound_->removeItem(index);
    comboBoxBeforeJihoSound_->setCurrentIndex(0);
}

void JihoPage::Load(const DialogValues& form) {
    radioGroupJihoInterval_->SetItemIndex(form.JihoMode);
    ApplyInterval(form.JihoMode);
    leJihoIntervalMinit_->setText(QString::fromStdString(form.JihoIntervalMinit));
    leJihoIntervalHour_->setText(QString::fromStdString(form.JihoIntervalHour));
    trackBarMainJihoVolume_->setValue(form.JihoVolume);
    for (size_t n = 0; n < 3; ++n) {
        const JihoRangeFields& fields = form.Ranges[n];
        RangeRow& row = ranges_[n];
        row.Volume->setValue(fields.Volume);
        row.StartHour->setText(QString::fromStdString(fields.StartHour));
        row.StartMinit->setText(QString::fromStdString(fields.StartMinit));
        row.EndHour->setText(QString::fromStdString(fields.EndHour));
        row.EndMinit->setText(QString::fromStdString(fields.EndMinit));
    }
    comboBoxJihoGobi_->setCurrentIndex(form.GobiNo);
    comboBoxBeforeJihoSound_->setCurrentIndex(form.JihoBeforeSoundNo);
    checkBoxSpeakJihoBeforeSound_->setChecked(form.SpeakBeforeSound);
    LoadMenuSwitches(form);
}

void JihoPage::LoadMenuSwitches(const DialogValues& form) {
    radioGroupJiho_->SetItemIndex(form.Jiho);
}

void JihoPage::Store(DialogValues& form) const {
    form.Jiho = radioGroupJiho_->ItemIndex();
    form.JihoMode = radioGroupJihoInterval_->ItemIndex();
    form.JihoIntervalMinit = leJihoIntervalMinit_->text().toStdString();
    form.JihoIntervalHour = leJihoIntervalHour_->text().toStdString();
    form.JihoVolume = trackBarMainJihoVolume_->value();
    for (size_t n = 0; n < 3; ++n) {
        const RangeRow& row = ranges_[n];
        form.Ranges[n] = {row.StartHour->text().toStdString(), row.StartMinit->text().toStdString(),
                          row.EndHour->text().toStdString(), row.EndMinit->text().toStdString(),
                          row.Volume->value()};
    }
    form.GobiNo = comboBoxJihoGobi_->currentIndex();
    form.JihoBeforeSoundNo = comboBoxBeforeJihoSound_->currentIndex();
    form.SpeakBeforeSound = checkBoxSpeakJihoBeforeSound_->isChecked();
}

QWidget* JihoPage::Field(const FormField& field) const {
    const RangeRow& row = ranges_[static_cast<size_t>(std::clamp(field.Index, 0, 2))];
    switch (field.Kind) {
        case FormFieldKind::JihoIntervalMinit:
            return leJihoIntervalMinit_;
        case FormFieldKind::JihoIntervalHour:
            return leJihoIntervalHour_;
        case FormFieldKind::RangeStartHour:
            return row.StartHour;
        case FormFieldKind::RangeStartMinit:
            return row.StartMinit;
        case FormFieldKind::RangeEndHour:
            return row.EndHour;
        case FormFieldKind::RangeEndMinit:
            return row.EndMinit;
        default:
            return nullptr;
    }
}

void JihoPage::RenewVolumeHints() {
    trackBarMainJihoVolume_->RenewHint();
    for (const RangeRow& row : ranges_) {
        row.Volume->RenewHint();
    }
}

}  // namespace velmora
