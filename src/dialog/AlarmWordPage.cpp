#include "dialog/AlarmWordPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

#include "dialog/RadioGroup.h"
#include "settings/AlarmWords.h"

namespace velmora {
namespace {

QStringList AlarmWordItems() {
    QStringList items = {QStringLiteral("しゃべらない"), QStringLiteral("自分で作る")};
    for (int word = kFirstPresetWord; word <= kLastPresetWord; ++word) {
        items << QString::fromStdString(PresetAlarmWord(word));
    }
    return items;
}

}  // namespace

AlarmWordPage::AlarmWordPage(SettingsDialogState& state, std::string recordedVoicePath,
                             QWidget* parent)
    : QWidget(parent),
      state_(state),
      recordedVoicePath_(std::move(recordedVoicePath)),
      radioGroupHowToPlay_(new RadioGroup(
          QStringLiteral("再生方法"),
          {QStringLiteral("しゃべらせる"), QStringLiteral("録音した声を再生する")}, 2, this)),
      radioGroupAlarmWord_(
          new RadioGroup(QStringLiteral("目覚めの言葉"), AlarmWordItems(), 1, this)),
      label10_(new QLabel(
          QStringLiteral("自作の目覚めの言葉(複数設定可。漢字交じり文なら棒読みします。)"), this)),
      memoAlarmWord_(new QPlainTextEdit(this)),
      btnAlarmWordTest_(new QPushButton(QStringLiteral("TEST"), this)),
      btnWavePlay_(new QPushButton(QStringLiteral("聞いてみる"), this)),
      btnRecord_(new QPushButton(QStringLiteral("録音"), this)),
      progressBarRecord_(new QProgressBar(this)),
      lblRecordTime_(new QLabel(QStringLiteral("0秒"), this)) {
    radioGroupHowToPlay_->setObjectName(QStringLiteral("RadioGroupHowToPlay"));
    radioGroupHowToPlay_->SetItemIndex(0);
    radioGroupAlarmWord_->setObjectName(QStringLiteral("RadioGroupAlarmWord"));
    radioGroupAlarmWord_->SetItemIndex(2);
    label10_->setObjectName(QStringLiteral("Label10"));
    memoAlarmWord_->setObjectName(QStringLiteral("MemoAlarmWord"));
    memoAlarmWord_->setAccessibleName(QStringLiteral("自作の目覚めの言葉"));
    memoAlarmWord_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab goes on to the next control: a tab character means nothing in
    // the words, and a keyboard user would be caught in the field.
    memoAlarmWord_->setTabChangesFocus(true);
    memoAlarmWord_->setToolTip(
        QStringLiteral("複数の目覚めの言葉を設定してその中からランダムにしゃべらせられます。\n"
                       "その場合、各言葉の区切りには'*'を書いてください。"));
    memoAlarmWord_->setEnabled(false);
    btnAlarmWordTest_->setObjectName(QStringLiteral("BtnAlarmWordTest"));
    btnAlarmWordTest_->setAccessibleName(QStringLiteral("目覚めの言葉を試す"));
    btnAlarmWordTest_->setEnabled(false);
    btnWavePlay_->setObjectName(QStringLiteral("BtnWavePlay"));
    btnWavePlay_->setEnabled(false);
    btnRecord_->setObjectName(QStringLiteral("BtnRecord"));
    btnRecord_->setEnabled(false);
    progressBarRecord_->setObjectName(QStringLiteral("ProgressBarRecord"));
    progressBarRecord_->setRange(0, 60);
    progressBarRecord_->setTextVisible(false);
    progressBarRecord_->hide();
    lblRecordTime_->setObjectName(QStringLiteral("LblRecordTime"));
    lblRecordTime_->hide();

    auto* memoRow = new QHBoxLayout;
    memoRow->addWidget(memoAlarmWord_, 1);
    memoRow->addWidget(btnAlarmWordTest_, 0, Qt::AlignTop);

    auto* recording = new QGroupBox(QStringLiteral("録音した声"), this);
    auto* recordRow = new QHBoxLayout(recording);
    recordRow->addWidget(btnWavePlay_);
    recordRow->addWidget(btnRecord_);
    auto* hint = new QLabel(QStringLiteral("(1分以内)"), recording);
    hint->setObjectName(QStringLiteral("LblRecordHint"));
    hint->setStyleSheet(QStringLiteral("color: red"));
    recordRow->addWidget(hint);
    recordRow->addWidget(progressBarRecord_, 1);
    recordRow->addWidget(lblRecordTime_);
    recordRow->addStretch(0);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(radioGroupHowToPlay_);
    layout->addWidget(radioGroupAlarmWord_);
    layout->addWidget(label10_);
    layout->addLayout(memoRow, 1);
    layout->addWidget(recording);

    connect(radioGroupHowToPlay_, &RadioGroup::itemClicked, this, [this](int index) {
        if (state_.DialogLoaded) {
            ApplyHowTo(index);
        }
    });
    connect(radioGroupAlarmWord_, &RadioGroup::itemClicked, this, [this](int index) {
        if (!state_.DialogLoaded) {
            return;
        }
        ApplyWord(index);
        if (index >= kFirstPresetWord) {
            emit presetWordPicked();
        }
    });
    connect(memoAlarmWord_, &QPlainTextEdit::textChanged, this, [this] {
        if (!state_.DialogLoaded) {
            return;
        }
        SetMemoUntested(true);
        // Without this the user who starts from an empty memo could never
        // press TEST, and OK would refuse the untested words for good.
        btnAlarmWordTest_->setEnabled(memoAlarmWord_->isEnabled() &&
                                      !memoAlarmWord_->toPlainText().isEmpty());
    });
    connect(btnAlarmWordTest_, &QPushButton::clicked, this, &AlarmWordPage::alarmWordTestRequested);
    connect(btnWavePlay_, &QPushButton::clicked, this, &AlarmWordPage::wavePlayRequested);
    connect(btnRecord_, &QPushButton::clicked, this, &AlarmWordPage::recordRequested);
}

bool AlarmWordPage::RecordingExists() const {
    std::error_code ec;
    return std::filesystem::is_regular_file(recordedVoicePath_, ec);
}

void AlarmWordPage::SetMemoUntested(bool untested) {
    memoUntested_ = untested;
    QPalette palette = memoAlarmWord_->palette();
    palette.setColor(QPalette::Base,
                     untested ? QColor(255, 0, 0) : QPalette().color(QPalette::Base));
    memoAlarmWord_->setPalette(palette);
}

void AlarmWordPage::ApplyHowTo(int howTo) {
    radioGroupAlarmWord_->setEnabled(howTo == 0);
    btnRecord_->setEnabled(howTo == 1);
    if (howTo == 1) {
        memoAlarmWord_->setEnabled(false);
        btnAlarmWordTest_->setEnabled(false);
        btnWavePlay_->setEnabled(RecordingExists());
    } else {
        btnWavePlay_->setEnabled(false);
        const bool own = radioGroupAlarmWord_->ItemIndex() == kWordOwn;
        memoAlarmWord_->setEnabled(own);
        btnAlarmWordTest_->setEnabled(own);
    }
}

void AlarmWordPage::ApplyWord(int word) {
    const bool own = word == kWordOwn;
    memoAlarmWord_->setEnabled(own);
    btnAlarmWordTest_->setEnabled(own && !memoAlarmWord_->toPlainText().isEmpty());
    // Choosing one's own words asks for a TEST before OK; anything else
    // needs none.
    SetMemoUntested(own);
}

void AlarmWordPage::SetHowTo(int index) {
    radioGroupHowToPlay_->SetItemIndex(index);
    ApplyHowTo(index);
}

int AlarmWordPage::HowTo() const {
    return radioGroupHowToPlay_->ItemIndex();
}

void AlarmWordPage::ShowRecordSeconds(int seconds) {
    progressBarRecord_->setValue(
        std::clamp(seconds, progressBarRecord_->minimum(), progressBarRecord_->maximum()));
    lblRecordTime_->setText(QString::number(progressBarRecord_->value()) + QStringLiteral("秒"));
}

void AlarmWordPage::Load(const DialogValues& form) {
    radioGroupHowToPlay_->SetItemIndex(form.HowTo);
    ApplyHowTo(form.HowTo);
    radioGroupAlarmWord_->SetItemIndex(form.Word);
    if (form.HowTo == 0) {
        memoAlarmWord_->setEnabled(form.Word == kWordOwn);
        btnAlarmWordTest_->setEnabled(form.Word == kWordOwn);
    }
    QStringList lines;
    for (const std::string& line : form.MemoLines) {
        lines << QString::fromStdString(line);
    }
    const QString text = lines.join(QLatin1Char('\n'));
    if (text != memoAlarmWord_->toPlainText()) {
        memoAlarmWord_->setPlainText(text);
    }
    ownWords_ = form.OwnWords;
}

void AlarmWordPage::Store(DialogValues& form) const {
    form.HowTo = radioGroupHowToPlay_->ItemIndex();
    form.Word = radioGroupAlarmWord_->ItemIndex();
    form.MemoLines.clear();
    for (const QString& line : memoAlarmWord_->toPlainText().split(QLatin1Char('\n'))) {
        form.MemoLines.push_back(line.toStdString());
    }
    form.MemoUntested = memoUntested_;
    form.OwnWords = ownWords_;
}

void AlarmWordPage::SetOwnWords(OwnAlarmWords words) {
    ownWords_ = std::move(words);
}

QWidget* AlarmWordPage::Field(const FormField& field) const {
    return field.Kind == FormFieldKind::AlarmWordTest ? btnAlarmWordTest_ : nullptr;
}

}  // namespace velmora
