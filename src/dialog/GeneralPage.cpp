#include "dialog/GeneralPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "dialog/KeyChordEdit.h"
#include "dialog/RadioGroup.h"
#include "settings/SettingsLoader.h"

namespace velmora {

GeneralPage::GeneralPage(SettingsDialogState& state, QWidget* parent)
    : QWidget(parent),
      state_(state),
      radioGroupVoice_(new RadioGroup(
          QStringLiteral("しゃべる声"),
          {QStringLiteral("女声１"), QStringLiteral("女声２"), QStringLiteral("男声１"),
           QStringLiteral("男声２"), QStringLiteral("ロボット声１"), QStringLiteral("ロボット声２"),
           QStringLiteral("ランダム")},
          3, this)),
      trackBar1_(new QSlider(Qt::Horizontal, this)),
      btnSpeakTest_(new QPushButton(QStringLiteral("TEST"), this)),
      checkBoxClockAllwaysFront_(new QCheckBox(QStringLiteral("時計を常に最前面にする"), this)),
      checkBoxOnMouseHide_(new QCheckBox(QStringLiteral("マウスが近づいたら時計を隠す"), this)),
      btnChangeFont_(new QPushButton(QStringLiteral("フォントの変更"), this)),
      lblFontName_(new QLabel(this)),
      nowTimeKey_(new KeyChordEdit(QStringLiteral("現在時刻を読み上げるキー"), this)),
      lblNowTimeKeyNote_(new QLabel(this)) {
    radioGroupVoice_->setObjectName(QStringLiteral("RadioGroupVoice"));
    radioGroupVoice_->SetItemIndex(0);
    trackBar1_->setObjectName(QStringLiteral("TrackBar1"));
    trackBar1_->setRange(kMinSpeed, kMaxSpeed);
    trackBar1_->setValue(100);
    trackBar1_->setSingleStep(250);
    trackBar1_->setTickPosition(QSlider::NoTicks);
    btnSpeakTest_->setObjectName(QStringLiteral("BtnSpeakTest"));
    btnSpeakTest_->setAccessibleName(QStringLiteral("話す速さを試す"));
    checkBoxClockAllwaysFront_->setObjectName(QStringLiteral("CheckBoxClockAllwaysFront"));
    checkBoxClockAllwaysFront_->setChecked(true);
    checkBoxOnMouseHide_->setObjectName(QStringLiteral("CheckBoxOnMouseHide"));
    btnChangeFont_->setObjectName(QStringLiteral("BtnChangeFont"));
    lblFontName_->setObjectName(QStringLiteral("LblFontName"));
    lblFontName_->setStyleSheet(QStringLiteral("color: red"));

    auto* speed = new QGroupBox(QStringLiteral("しゃべる速度"), this);
    auto* speedRow = new QGridLayout(speed);
    speedRow->addWidget(new QLabel(QStringLiteral("遅い"), speed), 0, 0);
    speedRow->addWidget(trackBar1_, 0, 1);
    speedRow->addWidget(new QLabel(QStringLiteral("速い"), speed), 0, 2);
    speedRow->addWidget(btnSpeakTest_, 0, 3);
    speedRow->setColumnStretch(1, 1);

    auto* clock = new QVBoxLayout;
    clock->addWidget(checkBoxClockAllwaysFront_);
    clock->addWidget(checkBoxOnMouseHide_);

    auto* font = new QHBoxLayout;
    font->addWidget(btnChangeFont_);
    font->addWidget(lblFontName_, 1);

    nowTimeKey_->setObjectName(QStringLiteral("NowTimeKey"));
    nowTimeKey_->setMinimumWidth(200);
    nowTimeKey_->setKeySequence(QKeySequence::fromString(QString::fromLatin1(kDefaultNowTimeKey),
                                                         QKeySequence::PortableText));
    lblNowTimeKeyNote_->setObjectName(QStringLiteral("LblNowTimeKeyNote"));
    lblNowTimeKeyNote_->setWordWrap(true);
    auto* key =
        new QGroupBox(QStringLiteral("現在時刻を読み上げるキー（どのウィンドウからでも）"), this);
    auto* keyRows = new QGridLayout(key);
    auto* noKey = new QPushButton(QStringLiteral("なし"), key);
    noKey->setObjectName(QStringLiteral("BtnNoNowTimeKey"));
    noKey->setAccessibleName(QStringLiteral("キーをなしにする"));
    keyRows->addWidget(nowTimeKey_, 0, 0);
    keyRows->addWidget(noKey, 0, 1);
    keyRows->addWidget(new QLabel(QStringLiteral("欄を選んで、割り当てるキーを押します。"), key), 0,
                       2);
    keyRows->addWidget(lblNowTimeKeyNote_, 1, 0, 1, 3);
    keyRows->setColumnStretch(2, 1);
    connect(noKey, &QPushButton::clicked, nowTimeKey_, &KeyChordEdit::clear);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(radioGroupVoice_);
    layout->addWidget(speed);
    layout->addSpacing(8);
    layout->addLayout(clock);
    layout->addSpacing(8);
    layout->addLayout(font);
    layout->addSpacing(8);
    layout->addWidget(key);
    layout->addStretch(1);

    connect(radioGroupVoice_, &RadioGroup::itemClicked, this, [this] {
        if (state_.DialogLoaded) {
            emit voicePicked();
        }
    });
    connect(btnSpeakTest_, &QPushButton::clicked, this, &GeneralPage::speedTestRequested);
    connect(btnChangeFont_, &QPushButton::clicked, this, &GeneralPage::changeFontRequested);
    connect(nowTimeKey_, &KeyChordEdit::refused, this, [this] {
        lblNowTimeKeyNote_->setText(QStringLiteral(
            "文字や数字だけのキーは、ほかのウィンドウでの入力を妨げるため使えません。"
            "Ctrl、Alt、Windows キーのどれかと組み合わせてください。"));
    });
}

void GeneralPage::Load(const DialogValues& form) {
    LoadMenuSwitches(form);
    ShowFontName(QString::fromStdString(form.FontName));
    radioGroupVoice_->SetItemIndex(form.VoiceNo);
    trackBar1_->setValue(form.SpeakSpead);
    nowTimeKey_->setKeySequence(QKeySequence::fromString(QString::fromStdString(form.NowTimeKey),
                                                         QKeySequence::PortableText));
}

void GeneralPage::LoadMenuSwitches(const DialogValues& form) {
    checkBoxClockAllwaysFront_->setChecked(form.ClockAllwaysFront);
    checkBoxOnMouseHide_->setChecked(form.OnMouseHide);
}

void GeneralPage::Store(DialogValues& form) const {
    form.VoiceNo = radioGroupVoice_->ItemIndex();
    form.SpeakSpead = trackBar1_->value();
    form.ClockAllwaysFront = checkBoxClockAllwaysFront_->isChecked();
    form.OnMouseHide = checkBoxOnMouseHide_->isChecked();
    form.FontName = lblFontName_->text().toStdString();
    form.NowTimeKey = nowTimeKey_->keySequence().toString(QKeySequence::PortableText).toStdString();
}

void GeneralPage::ShowFontName(const QString& name) {
    lblFontName_->setText(name);
}

void GeneralPage::ShowNowTimeKeyStatus(const NowTimeKeyStatus& status) {
    nowTimeKey_->setEnabled(status.Available);
    lblNowTimeKeyNote_->setText(QString::fromStdString(status.Note));
}

}  // namespace velmora
