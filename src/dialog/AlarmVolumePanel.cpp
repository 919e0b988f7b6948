#include "dialog/AlarmVolumePanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "dialog/ShortenedPath.h"
#include "dialog/VolumeTrackBar.h"

namespace velmora {
namespace {

constexpr int kMusicListWidth = 330;
// Room the list keeps free beside a shortened path (the drop-down arrow).
constexpr int kMusicListMargin = 50;

}  // namespace

AlarmVolumePanel::AlarmVolumePanel(SettingsDialogState& state, QWidget* parent)
    : QWidget(parent),
      state_(state),
      trackBarFirstVolume_(new VolumeTrackBar(this)),
      btnFirstVolumeTest_(new QPushButton(QStringLiteral("TEST"), this)),
      checkBoxVolumeUp_(new QCheckBox(QStringLiteral("徐々に音量を上げる"), this)),
      trackBarMaxVolume_(new VolumeTrackBar(this)),
      btnMaxVolumeTest_(new QPushButton(QStringLiteral("TEST"), this)),
      btnAlarmMusic_(new QPushButton(QStringLiteral("目覚めの曲"), this)),
      comboBoxAlarmMusic_(new QComboBox(this)),
      btnAlarmMusicTest_(new QPushButton(QStringLiteral("聞いてみる"), this)),
      checkBoxAlarmMusicRandom_(
          new QCheckBox(QStringLiteral("登録した曲をランダムに再生する"), this)),
      checkBoxAlarmMusicRepeat_(new QCheckBox(QStringLiteral("繰り返し再生する"), this)),
      checkBoxPlayStop_(
          new QCheckBox(QStringLiteral("STOPボタン/[Esc]キーを押したら再生も止める"), this)) {
    trackBarFirstVolume_->setObjectName(QStringLiteral("TrackBarFirstVolume"));
    btnFirstVolumeTest_->setObjectName(QStringLiteral("BtnFirstVolumeTest"));
    checkBoxVolumeUp_->setObjectName(QStringLiteral("CheckBoxVolumeUp"));
    trackBarMaxVolume_->setObjectName(QStringLiteral("TrackBarMaxVolume"));
    btnMaxVolumeTest_->setObjectName(QStringLiteral("BtnMaxVolumeTest"));
    btnAlarmMusic_->setObjectName(QStringLiteral("BtnAlarmMusic"));
    comboBoxAlarmMusic_->setObjectName(QStringLiteral("ComboBoxAlarmMusic"));
    comboBoxAlarmMusic_->setAccessibleName(QStringLiteral("目覚めの曲"));
    comboBoxAlarmMusic_->setFixedWidth(kMusicListWidth);
    comboBoxAlarmMusic_->addItem(QStringLiteral("なし"));
    btnAlarmMusicTest_->setObjectName(QStringLiteral("BtnAlarmMusicTest"));
    checkBoxAlarmMusicRandom_->setObjectName(QStringLiteral("CheckBoxAlarmMusicRandom"));
    checkBoxAlarmMusicRepeat_->setObjectName(QStringLiteral("CheckBoxAlarmMusicRepeat"));
    checkBoxPlayStop_->setObjectName(QStringLiteral("CheckBoxPlayStop"));
    for (QWidget* w : {static_cast<QWidget*>(btnAlarmMusicTest_),
                       static_cast<QWidget*>(checkBoxAlarmMusicRandom_),
                       static_cast<QWidget*>(checkBoxAlarmMusicRepeat_),
                       static_cast<QWidget*>(checkBoxPlayStop_)}) {
        w->setEnabled(false);
    }

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(3);
    trackBarFirstVolume_->setAccessibleName(QStringLiteral("最初の音量"));
    trackBarMaxVolume_->setAccessibleName(QStringLiteral("最大音量"));
    // The buttons keep their short caption; a screen reader says what they try.
    btnFirstVolumeTest_->setAccessibleName(QStringLiteral("最初の音量を試す"));
    btnMaxVolumeTest_->setAccessibleName(QStringLiteral("最大音量を試す"));
    grid->addWidget(new QLabel(QStringLiteral("最初の音量"), this), 0, 0);
    grid->addWidget(trackBarFirstVolume_, 0, 1);
    grid->addWidget(btnFirstVolumeTest_, 0, 2);
    grid->addWidget(checkBoxVolumeUp_, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("最大音量"), this), 0, 4);
    grid->addWidget(trackBarMaxVolume_, 0, 5);
    grid->addWidget(btnMaxVolumeTest_, 0, 6);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(5, 1);

    auto* music = new QHBoxLayout;
    music->addWidget(btnAlarmMusic_);
    music->addWidget(comboBoxAlarmMusic_);
    music->addWidget(btnAlarmMusicTest_);
    music->addStretch(1);
    grid->addLayout(music, 1, 0, 1, 7);
    auto* musicChecks = new QHBoxLayout;
    musicChecks->addWidget(checkBoxAlarmMusicRandom_);
    musicChecks->addWidget(checkBoxAlarmMusicRepeat_);
    musicChecks->addStretch(1);
    grid->addLayout(musicChecks, 2, 0, 1, 7);
    grid->addWidget(checkBoxPlayStop_, 3, 0, 1, 7);

    connect(btnFirstVolumeTest_, &QPushButton::clicked, this,
            [this] { emit volumeTestRequested(VolumeTrack::FirstVolume); });
    connect(btnMaxVolumeTest_, &QPushButton::clicked, this,
            [this] { emit volumeTestRequested(VolumeTrack::MaxVolume); });
    connect(btnAlarmMusic_, &QPushButton::clicked, this, &AlarmVolumePanel::addMusicRequested);
    connect(btnAlarmMusicTest_, &QPushButton::clicked, this, &AlarmVolumePanel::musicTestRequested);
    connect(comboBoxAlarmMusic_, &QComboBox::activated, this, [this](int index) {
        if (state_.DialogLoaded) {
            ApplyMusicIndex(index, true);
        }
    });
}

void AlarmVolumePanel::FillMusicList(const std::vector<std::string>& paths) {
    if (paths == musicPaths_ &&
        comboBoxAlarmMusic_->count() == static_cast<int>(paths.size()) + 1) {
        return;
    }
    musicPaths_.clear();
    while (comboBoxAlarmMusic_->count() > 1) {
        comboBoxAlarmMusic_->removeItem(1);
    }
    AddMusicEntries(paths);
}

void AlarmVolumePanel::AddMusicEntries(const std::vector<std::string>& paths) {
    const QFontMetrics metrics(comboBoxAlarmMusic_->font());
    const int room = kMusicListWidth - kMusicListMargin;
    const auto fits = [&](const std::string& text) {
        return metrics.horizontalAdvance(QString::fromStdString(text)) <= room;
    };
    for (const std::string& path : paths) {
        comboBoxAlarmMusic_->addItem(QString::fromStdString(ShortenedPath(path, fits)));
        musicPaths_.push_back(path);
    }
}

void AlarmVolumePanel::AppendMusic(const std::vector<std::string>& paths) {
    AddMusicEntries(paths);
    comboBoxAlarmMusic_->setCurrentIndex(comboBoxAlarmMusic_->count() - 1);
    btnAlarmMusicTest_->setEnabled(true);
    checkBoxAlarmMusicRandom_->setEnabled(comboBoxAlarmMusic_->count() >= 3);
}

void AlarmVolumePanel::RemoveMusic(int index) {
    if (index < 1 || index >= comboBoxAlarmMusic_->count()) {
        return;
    }
    comboBoxAlarmMusic_->removeItem(index);
    musicPaths_.erase(musicPaths_.begin() + (index - 1));
    comboBoxAlarmMusic_->setCurrentIndex(0);
    btnAlarmMusicTest_->setEnabled(false);
    if (comboBoxAlarmMusic_->count() < 3) {
        checkBoxAlarmMusicRandom_->setChecked(false);
    }
    checkBoxAlarmMusicRandom_->setEnabled(false);
    checkBoxAlarmMusicRepeat_->setEnabled(false);
}

// Repeat, random and stopping with the STOP button only mean something
// when there is music; random needs at least two pieces to choose from. A
// pick by the user also clears a random choice that cannot apply; loading
// shows the stored one as it is.
void AlarmVolumePanel::ApplyMusicIndex(int index, bool userPick) {
    const bool music = index > 0;
    btnAlarmMusicTest_->setEnabled(music);
    checkBoxAlarmMusicRepeat_->setEnabled(music);
    checkBoxPlayStop_->setEnabled(music);
    const bool canRandom = music && comboBoxAlarmMusic_->count() >= 3;
    if (userPick && music && !canRandom) {
        checkBoxAlarmMusicRandom_->setChecked(false);
    }
    checkBoxAlarmMusicRandom_->setEnabled(canRandom);
}

void AlarmVolumePanel::Load(const DialogValues& form) {
    trackBarFirstVolume_->setValue(form.FirstVolume);
    checkBoxVolumeUp_->setChecked(form.VolumeUp);
    trackBarMaxVolume_->setValue(form.MaxVolume);
    FillMusicList(form.MusicPaths);
    comboBoxAlarmMusic_->setCurrentIndex(form.MusicNo);
    checkBoxAlarmMusicRandom_->setChecked(form.MusicRandom);
    checkBoxAlarmMusicRepeat_->setChecked(form.MusicRepeat);
    checkBoxPlayStop_->setChecked(form.PlayStop);
    ApplyMusicIndex(form.MusicNo, false);
}

void AlarmVolumePanel::Store(DialogValues& form) const {
    form.FirstVolume = trackBarFirstVolume_->value();
    form.VolumeUp = checkBoxVolumeUp_->isChecked();
    form.MaxVolume = trackBarMaxVolume_->value();
    form.MusicNo = comboBoxAlarmMusic_->currentIndex();
    form.MusicRandom = checkBoxAlarmMusicRandom_->isChecked();
    form.MusicRepeat = checkBoxAlarmMusicRepeat_->isChecked();
    form.PlayStop = checkBoxPlayStop_->isChecked();
    form.MusicPaths = musicPaths_;
}

int AlarmVolumePanel::FirstVolume() const {
    return trackBarFirstVolume_->value();
}

int AlarmVolumePanel::MaxVolume() const {
    return trackBarMaxVolume_->value();
}

bool AlarmVolumePanel::VolumeUp() const {
    return checkBoxVolumeUp_->isChecked();
}

void AlarmVolumePanel::RenewVolumeHints() {
    trackBarFirstVolume_->RenewHint();
    trackBarMaxVolume_->RenewHint();
}

}  // namespace velmora
