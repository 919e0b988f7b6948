#include "dialog/TVelmoraSetteiForm.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequenceEdit>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include "dialog/AlarmPage.h"
#include "dialog/AlarmPlanWindow.h"
#include "dialog/AlarmSoundPanel.h"
#include "dialog/AlarmVolumePanel.h"
#include "dialog/AlarmWordPage.h"
#include "dialog/DialogFont.h"
#include "dialog/DialogValuesLoader.h"
#include "dialog/DialogValuesSaver.h"
#include "dialog/GeneralPage.h"
#include "dialog/JihoPage.h"
#include "dialog/NoAlarmDaysPanel.h"
#include "dialog/NoAlarmMonthDays.h"
#include "dialog/RadioGroup.h"
#include "dialog/SettingsDialogHost.h"
#include "dialog/TrayMenuSync.h"

namespace velmora {
namespace {

constexpr QSize kClientSize(640, 616);

}  // namespace

TVelmoraSetteiForm::TVelmoraSetteiForm(SettingsDialogHost& host, MessageService& messages,
                                       PhoneticConverter& converter, const AppFolders& folders,
                                       SettingsDialogOptions options)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      host_(host),
      converter_(converter),
      notices_(host, messages),
      settingsPath_(folders.DataFolder + kSettingsFileName),
      alarmWordPath_(folders.DataFolder + kAlarmWordFileName),
      recordedVoicePath_(folders.DataFolder + kRecordedVoiceFileName),
      dataFolder_(folders.DataFolder),
      powerStyle_(options.Power) {
    setWindowTitle(QStringLiteral("ベルモラの設定"));
    setFont(DialogFont(13));

    pageControl1_ = new QTabWidget(this);
    pageControl1_->setObjectName(QStringLiteral("PageControl1"));
    pageControl1_->setAccessibleName(QStringLiteral("設定のページ"));
    generalPage_ = new GeneralPage(state_, pageControl1_);
    alarmPage_ = new AlarmPage(state_, pageControl1_);
    wordPage_ = new AlarmWordPage(state_, recordedVoicePath_, pageControl1_);
    jihoPage_ = new JihoPage(state_, pageControl1_);
    pageControl1_->addTab(generalPage_, QStringLiteral("全般"));
    pageControl1_->addTab(alarmPage_, QStringLiteral("目覚まし時計"));
    pageControl1_->addTab(wordPage_, QStringLiteral("目覚めの言葉"));
    pageControl1_->addTab(jihoPage_, QStringLiteral("時報"));

    auto* client = new QWidget(this);
    client->setFixedSize(kClientSize);
    auto* clientLayout = new QVBoxLayout(client);
    clientLayout->setContentsMargins(6, 6, 6, 6);
    clientLayout->addWidget(pageControl1_, 1);
    clientLayout->addWidget(BuildBottomRow(options.Power));

    BuildMenu();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menuBar_);
    layout->addWidget(client);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ConnectPages();
    WatchForChanges();
    // A list box's drop-down list, a window of its own, takes the keyboard
    // when it opens: a screen reader reads it under the box's name.
    for (QComboBox* box : findChildren<QComboBox*>()) {
        box->view()->setAccessibleName(box->accessibleName());
    }

    // The entries users added to the sound lists are read once; adding and
    // deleting later edit the lists in place.
    const IniFile ini(settingsPath_);
    LoadAddedSounds(ini, lists_);
    alarmPage_->Sounds()->FillSoundList(lists_);
    jihoPage_->FillSoundList(lists_);

    // Until the stored name is applied, the face in use is the desktop's.
    SetFontName(QApplication::font("QMenu").family());
    if (host_.LiveSettings().SpeakBeforeSound) {
        host_.RebuildPreAnnouncement();
    }
    state_.Unchanged = true;
    pageControl1_->setCurrentIndex(kPageMain);
}

TVelmoraSetteiForm::~TVelmoraSetteiForm() = default;

QWidget* TVelmoraSetteiForm::BuildBottomRow(PowerControlStyle style) {
    auto* row = new QWidget(this);
    checkBoxGoToSleep_ =
        new QCheckBox(QStringLiteral("「OK」ボタンをクリックしたらPCをスリープにする"), row);
    checkBoxGoToSleep_->setObjectName(QStringLiteral("CheckBoxGoToSleep"));
    radioGroupGoToStandBy_ =
        new RadioGroup(QStringLiteral("「OK」ボタンをクリックしたら"),
                       {QStringLiteral("電源操作はしない"), QStringLiteral("PCをスタンバイにする"),
                        QStringLiteral("PCを休止状態にする")},
                       3, row);
    radioGroupGoToStandBy_->setObjectName(QStringLiteral("RadioGroupGoToStandBy"));
    radioGroupGoToStandBy_->SetItemIndex(0);
    const bool checkBox = style == PowerControlStyle::SleepCheckBox;
    checkBoxGoToSleep_->setVisible(checkBox);
    radioGroupGoToStandBy_->setVisible(!checkBox);

    btnOK_ = new QPushButton(QStringLiteral("OK"), row);
    btnOK_->setObjectName(QStringLiteral("BtnOK"));
    btnCancel_ = new QPushButton(QStringLiteral("キャンセル"), row);
    btnCancel_->setObjectName(QStringLiteral("BtnCancel"));
    for (QPushButton* button : {btnOK_, btnCancel_}) {
        button->setFont(DialogFont(13, true));
        button->setMinimumWidth(90);
        button->setAutoDefault(false);
    }

    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(checkBox ? static_cast<QWidget*>(checkBoxGoToSleep_)
                               : static_cast<QWidget*>(radioGroupGoToStandBy_));
    layout->addStretch(1);
    layout->addWidget(btnOK_);
    layout->addWidget(btnCancel_);
    connect(btnOK_, &QPushButton::clicked, this, &TVelmoraSetteiForm::BtnOKClick);
    connect(btnCancel_, &QPushButton::clicked, this, &TVelmoraSetteiForm::BtnCancelClick);
    return row;
}

void TVelmoraSetteiForm::BuildMenu() {
    menuBar_ = new QMenuBar(this);
    QMenu* help = menuBar_->addMenu(QStringLiteral("ヘルプ(&H)"));
    help->setObjectName(QStringLiteral("MenuHelpRoot"));
    QAction* usage = help->addAction(QStringLiteral("使い方(&H)"));
    usage->setObjectName(QStringLiteral("MenuHelp"));
    QAction* guide = help->addAction(QStringLiteral("自作の目覚めの言葉の書き方(&W)"));
    guide->setObjectName(QStringLiteral("MenuAQT"));
    help->addSeparator();
    QAction* version = help->addAction(QStringLiteral("バージョン情報(&V)"));
    version->setObjectName(QStringLiteral("MenuVersion"));
    connect(usage, &QAction::triggered, this, &TVelmoraSetteiForm::helpRequested);
    connect(guide, &QAction::triggered, this, &TVelmoraSetteiForm::wordGuideRequested);
    connect(version, &QAction::triggered, this, &TVelmoraSetteiForm::aboutRequested);
}

void TVelmoraSetteiForm::ConnectPages() {
    connect(generalPage_, &GeneralPage::voicePicked, this,
            [this] { emit volumeTestRequested(VolumeTrack::FirstVolume); });
    connect(generalPage_, &GeneralPage::speedTestRequested, this,
            &TVelmoraSetteiForm::speedTestRequested);
    connect(generalPage_, &GeneralPage::changeFontRequested, this,
            &TVelmoraSetteiForm::changeFontRequested);
    connect(alarmPage_, &AlarmPage::backColorPicked, this, &TVelmoraSetteiForm::BackColorPicked);
    connect(alarmPage_->NoAlarmDays(), &NoAlarmDaysPanel::monthPicked, this,
            &TVelmoraSetteiForm::MonthPicked);
    connect(alarmPage_->NoAlarmDays(), &NoAlarmDaysPanel::planRequested, this,
            &TVelmoraSetteiForm::ShowAlarmPlan);
    connect(alarmPage_->Sounds(), &AlarmSoundPanel::soundPicked, this,
            [this](int index) { emit soundPreviewRequested(SoundList::AlarmSounds, index); });
    connect(alarmPage_->Sounds(), &AlarmSoundPanel::addSoundRequested, this,
            [this] { emit addToListRequested(SoundList::AlarmSounds); });
    connect(alarmPage_->Volumes(), &AlarmVolumePanel::volumeTestRequested, this,
            &TVelmoraSetteiForm::volumeTestRequested);
    connect(alarmPage_->Volumes(), &AlarmVolumePanel::addMusicRequested, this,
            [this] { emit addToListRequested(SoundList::Music); });
    connect(alarmPage_->Volumes(), &AlarmVolumePanel::musicTestRequested, this,
            &TVelmoraSetteiForm::musicTestRequested);
    connect(wordPage_, &AlarmWordPage::presetWordPicked, this,
            [this] { emit volumeTestRequested(VolumeTrack::FirstVolume); });
    connect(wordPage_, &AlarmWordPage::alarmWordTestRequested, this,
            &TVelmoraSetteiForm::alarmWordTestRequested);
    connect(wordPage_, &AlarmWordPage::wavePlayRequested, this,
            &TVelmoraSetteiForm::wavePlayRequested);
    connect(wordPage_, &AlarmWordPage::recordRequested, this, &TVelmoraSetteiForm::recordRequested);
    connect(jihoPage_, &JihoPage::volumeTestRequested, this,
            &TVelmoraSetteiForm::volumeTestRequested);
    connect(jihoPage_, &JihoPage::soundPicked, this,
            [this](int index) { emit soundPreviewRequested(SoundList::JihoSounds, index); });
    connect(jihoPage_, &JihoPage::addSoundRequested, this,
            [this] { emit addToListRequested(SoundList::JihoSounds); });

    // The dialog sees the Delete key before the lists do.
    for (const SoundList list : {SoundList::AlarmSounds, SoundList::JihoSounds, SoundList::Music}) {
        ListBox(list)->installEventFilter(this);
    }
}

// Every edit, check box, list, radio group and track bar the user touches
// leaves unsaved changes behind; filling the controls does not.
void TVelmoraSetteiForm::WatchForChanges() {
    const auto changed = [this] {
        if (state_.DialogLoaded) {
            state_.Unchanged = false;
        }
    };
    for (auto* edit : findChildren<QLineEdit*>()) {
        connect(edit, &QLineEdit::textEdited, this, changed);
    }
    for (auto* memo : findChildren<QPlainTextEdit*>()) {
        connect(memo, &QPlainTextEdit::textChanged, this, changed);
    }
    for (auto* box : findChildren<QCheckBox*>()) {
        connect(box, &QCheckBox::clicked, this, changed);
    }
    for (auto* list : findChildren<QComboBox*>()) {
        connect(list, &QComboBox::activated, this, changed);
    }
    for (auto* group : findChildren<RadioGroup*>()) {
        connect(group, &RadioGroup::itemClicked, this, changed);
    }
    for (auto* slider : findChildren<QSlider*>()) {
        connect(slider, &QSlider::valueChanged, this, changed);
    }
    for (auto* keys : findChildren<QKeySequenceEdit*>()) {
        connect(keys, &QKeySequenceEdit::keySequenceChanged, this, changed);
    }
}

DialogValues TVelmoraSetteiForm::ReadControls() const {
    DialogValues form = lists_;
    generalPage_->Store(form);
    alarmPage_->Store(form);
    wordPage_->Store(form);
    jihoPage_->Store(form);
    if (powerStyle_ == PowerControlStyle::SleepCheckBox) {
        form.GoToSleep = checkBoxGoToSleep_->isChecked() ? 1 : 0;
    } else {
        form.GoToSleep = radioGroupGoToStandBy_->ItemIndex();
    }
    return form;
}

void TVelmoraSetteiForm::FillControls(const DialogValues& form) {
    generalPage_->Load(form);
    alarmPage_->Load(form);
    jihoPage_->Load(form);
    wordPage_->Load(form);
    if (powerStyle_ == PowerControlStyle::SleepCheckBox) {
        checkBoxGoToSleep_->setChecked(form.GoToSleep > 0);
    } else {
        radioGroupGoToStandBy_->SetItemIndex(form.GoToSleep <= 2 ? form.GoToSleep : 0);
    }
}

void TVelmoraSetteiForm::RenewVolumeHints() {
    alarmPage_->Volumes()->RenewVolumeHints();
    jihoPage_->RenewVolumeHints();
}

int TVelmoraSetteiForm::FirstVolume() const {
    return alarmPage_->Volumes()->FirstVolume();
}

int TVelmoraSetteiForm::MaxVolume() const {
    return alarmPage_->Volumes()->MaxVolume();
}

bool TVelmoraSetteiForm::VolumeUp() const {
    return alarmPage_->Volumes()->VolumeUp();
}

QComboBox* TVelmoraSetteiForm::ListBox(SoundList list) const {
    switch (list) {
        case SoundList::AlarmSounds:
            return alarmPage_->Sounds()->BeforeSoundList();
        case SoundList::JihoSounds:
            return jihoPage_->BeforeSoundList();
        case SoundList::Music:
            break;
    }
    return alarmPage_->Volumes()->MusicList();
}

int TVelmoraSetteiForm::ListIndex(SoundList list) const {
    return ListBox(list)->currentIndex();
}

int TVelmoraSetteiForm::ListCount(SoundList list) const {
    return ListBox(list)->count();
}

QString TVelmoraSetteiForm::ListText(SoundList list, int index) const {
    return ListBox(list)->itemText(index);
}

void TVelmoraSetteiForm::AppendToList(SoundList list, const std::vector<std::string>& paths) {
    QStringList names;
    for (const std::string& path : paths) {
        names << QString::fromStdString(FileNamePart(path));
    }
    switch (list) {
        case SoundList::AlarmSounds:
            for (const std::string& path : paths) {
                lists_.AddedAlarmSounds.push_back(FileNamePart(path));
            }
            alarmPage_->Sounds()->AppendSounds(names);
            break;
        case SoundList::JihoSounds:
            for (const std::string& path : paths) {
                lists_.AddedJihoSounds.push_back(FileNamePart(path));
            }
            jihoPage_->AppendSounds(names);
            break;
        case SoundList::Music:
            alarmPage_->Volumes()->AppendMusic(paths);
            break;
    }
}

void TVelmoraSetteiForm::RemoveFromList(SoundList list, int index) {
    const auto erase = [](std::vector<std::string>& added, int at) {
        if (at >= 0 && at < static_cast<int>(added.size())) {
            added.erase(added.begin() + at);
        }
    };
    switch (list) {
        case SoundList::AlarmSounds:
            erase(lists_.AddedAlarmSounds, index - kBuiltInAlarmSounds);
            alarmPage_->Sounds()->RemoveSound(index);
            break;
        case SoundList::JihoSounds:
            erase(lists_.AddedJihoSounds, index - kBuiltInJihoSounds);
            jihoPage_->RemoveSound(index);
            break;
        case SoundList::Music:
            alarmPage_->Volumes()->RemoveMusic(index);
            break;
    }
}

QPushButton* TVelmoraSetteiForm::MusicTestButton() const {
    return alarmPage_->Volumes()->MusicTestButton();
}

void TVelmoraSetteiForm::ShowRecordSeconds(int seconds) {
    wordPage_->ShowRecordSeconds(seconds);
}

void TVelmoraSetteiForm::StopRecording() {
    if (state_.RecordStartTime != 0) {
        emit recordRequested();
    }
}

void TVelmoraSetteiForm::SetFontName(const QString& name) {
    fontName_ = name;
    generalPage_->ShowFontName(name);
}

void TVelmoraSetteiForm::ShowNowTimeKeyStatus() {
    generalPage_->ShowNowTimeKeyStatus(host_.NowTimeKey());
}

void TVelmoraSetteiForm::ShowSettings() {
    // Asked again while open (a double click on the clock): refilling from
    // the file would throw the user's unsaved edits away unasked.
    if (isVisible()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
        raise();
        activateWindow();
        return;
    }
    state_.DialogLoaded = false;
    DialogValues form = ReadControls();
    const IniFile ini(settingsPath_);
    const DialogValuesLoadContext context{
        host_.LiveSettings(), DecodeDate(host_.Now()).month - 1, alarmWordPath_,
        QApplication::font("QMenu").family().toStdString(), converter_};
    if (LoadDialogValues(ini, context, form)) {
        FillControls(form);
    }
    ShowNowTimeKeyStatus();
    shownMonth_ = alarmPage_->NoAlarmDays()->MonthIndex();
    state_.DialogLoaded = true;
    RenewVolumeHints();
    state_.Unchanged = true;
    CentreOnScreen();
    show();
    raise();
    activateWindow();
}

void TVelmoraSetteiForm::FollowTrayMenu(TrayMenuItem item) {
    if (!isVisible()) {
        return;
    }
    DialogValues form = ReadControls();
    const auto checked = [this](TrayMenuItem i) { return host_.MenuChecked(i); };
    switch (item) {
        case TrayMenuItem::Alarm:
        case TrayMenuItem::Snooze:
            form.Alarm = checked(TrayMenuItem::Snooze) ? 2 : checked(TrayMenuItem::Alarm) ? 1 : 0;
            break;
        case TrayMenuItem::ShowClock:
            form.ShowClock = checked(TrayMenuItem::ShowClock) ? 1 : 0;
            break;
        case TrayMenuItem::BackColorGray:
        case TrayMenuItem::BackColorWhite:
            form.BackColor = checked(TrayMenuItem::BackColorGray) ? 0 : 1;
            break;
        case TrayMenuItem::ClockAllwaysFront:
            form.ClockAllwaysFront = checked(TrayMenuItem::ClockAllwaysFront);
            break;
        case TrayMenuItem::OnMouseHide:
            form.OnMouseHide = checked(TrayMenuItem::OnMouseHide);
            break;
        case TrayMenuItem::SpeakJiho:
            form.Jiho = checked(TrayMenuItem::SpeakJiho) ? 1 : 0;
            break;
        default:
            return;
    }
    // Not the user's edit: the change handlers must neither mark the dialog
    // changed nor apply the colour again.
    state_.DialogLoaded = false;
    generalPage_->LoadMenuSwitches(form);
    alarmPage_->LoadMenuSwitches(form);
    jihoPage_->LoadMenuSwitches(form);
    state_.DialogLoaded = true;
}

void TVelmoraSetteiForm::ShowAlarmPlan() {
    if (planWindow_ == nullptr) {
        planWindow_ = new AlarmPlanWindow(this);
    }
    planWindow_->ShowPlanFor(host_.LiveSettings(), ReadControls(), dataFolder_, host_.Now());
    planWindow_->show();
    planWindow_->raise();
    planWindow_->activateWindow();
}

void TVelmoraSetteiForm::CentreOnScreen() {
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
}

bool TVelmoraSetteiForm::SaveAndApply() {
    DialogValues form = ReadControls();
    const DialogValuesValidation check = ValidateDialogValues(form);
    if (!check.Passed) {
        ShowValidationFailure(check);
        return false;
    }
    IniFile ini(settingsPath_);
    Settings& live = host_.LiveSettings();
    const int howTo = form.HowTo;
    const std::string nowTimeKey = live.NowTimeKey;
    const DialogValuesSaveResult saved = SaveDialogValues(ini, form, check.DayOfMonthList, live,
                                                          {alarmWordPath_, recordedVoicePath_});
    if (form.HowTo != howTo) {
        wordPage_->SetHowTo(form.HowTo);  // the recording has gone: back to speaking
    }
    if (!saved.Saved) {
        ShowNotice(saved.Error);
        return false;
    }
    if (live.SpeakBeforeSound) {
        host_.RebuildPreAnnouncement();
    }
    if (live.NowTimeKey != nowTimeKey) {
        host_.ApplyNowTimeKey();
        ShowNowTimeKeyStatus();
    }
    if (!state_.Unchanged) {
        BringTrayMenuInLine(host_, form);
    }
    state_.Unchanged = true;
    return true;
}

void TVelmoraSetteiForm::BtnOKClick() {
    if (!SaveAndApply()) {
        return;
    }
    const PowerAction action = ChosenPowerAction();
    close();
    if (action != PowerAction::None) {
        emit powerActionRequested(action);
    }
}

void TVelmoraSetteiForm::BtnCancelClick() {
    state_.Unchanged = true;
    close();
}

void TVelmoraSetteiForm::ShowValidationFailure(const DialogValuesValidation& failure) {
    ShowNotice(failure.Message);
    pageControl1_->setCurrentIndex(failure.Page);
    QWidget* field = FieldWidget(failure.Field);
    if (field != nullptr && field->isEnabled()) {
        field->setFocus(Qt::OtherFocusReason);
    }
}

QWidget* TVelmoraSetteiForm::FieldWidget(const FormField& field) const {
    if (QWidget* w = alarmPage_->Field(field)) {
        return w;
    }
    if (QWidget* w = jihoPage_->Field(field)) {
        return w;
    }
    return wordPage_->Field(field);
}

void TVelmoraSetteiForm::closeEvent(QCloseEvent* event) {
    if (!state_.Unchanged) {
        bool stayOpen = false;
        {
            const NoticeRoutine::BoxScope box(notices_);
            if (!notices_.Ask("設定が変更されていますが、保存しますか？")) {
                state_.Unchanged = true;
            } else {
                const DialogValuesValidation check = ValidateDialogValues(ReadControls());
                if (!check.Passed) {
                    ShowValidationFailure(check);
                    stayOpen = true;
                } else {
                    // Saving on the way out never puts the computer to sleep.
                    ResetPowerAction();
                    stayOpen = !SaveAndApply();
                }
            }
        }
        if (stayOpen) {
            event->ignore();
            return;
        }
    }
    event->accept();
    AfterClose();
}

void TVelmoraSetteiForm::AfterClose() {
    host_.SetDialogMenuItemsEnabled(true);
    if (!host_.AlarmMusicPlaying()) {
        emit stopTestsRequested();
    }
    if (host_.ClockVisible() && host_.MenuChecked(TrayMenuItem::ClockAllwaysFront)) {
        host_.SetClockTopMost(true);
    }
}

void TVelmoraSetteiForm::MonthPicked(int month) {
    if (!state_.DialogLoaded) {
        return;
    }
    NoAlarmDaysPanel* days = alarmPage_->NoAlarmDays();
    Settings& live = host_.LiveSettings();
    if (!StoreMonthDays(live, shownMonth_ + 1, days->DayText().toStdString())) {
        ShowNotice(MonthDaysMessage(shownMonth_ + 1));
        pageControl1_->setCurrentIndex(kPageClock);
        days->Field({FormFieldKind::Day, 0})->setFocus(Qt::OtherFocusReason);
        days->SetMonthIndex(shownMonth_);
        return;
    }
    days->SetDayText(QString::fromStdString(MonthDaysText(live, month + 1)));
    shownMonth_ = month;
}

// The dial colour is tried at once; the file learns it only from OK.
void TVelmoraSetteiForm::BackColorPicked(int index) {
    host_.SetMenuChecked(TrayMenuItem::BackColorGray, index == 0);
    host_.SetMenuChecked(TrayMenuItem::BackColorWhite, index != 0);
    host_.ShowDial(index == 0 ? DialColour::Gray : DialColour::White);
}

PowerAction TVelmoraSetteiForm::ChosenPowerAction() const {
    if (powerStyle_ == PowerControlStyle::SleepCheckBox) {
        return checkBoxGoToSleep_->isChecked() ? PowerAction::Sleep : PowerAction::None;
    }
    switch (radioGroupGoToStandBy_->ItemIndex()) {
        case 1:
            return PowerAction::Standby;
        case 2:
            return PowerAction::Hibernate;
        default:
            return PowerAction::None;
    }
}

void TVelmoraSetteiForm::ResetPowerAction() {
    checkBoxGoToSleep_->setChecked(false);
    radioGroupGoToStandBy_->SetItemIndex(0);
}

bool TVelmoraSetteiForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        if (watched == ListBox(SoundList::Music)) {
            emit deleteFromListRequested(SoundList::Music);
        } else if (watched == ListBox(SoundList::JihoSounds)) {
            emit deleteFromListRequested(SoundList::JihoSounds);
        } else {
            emit deleteFromListRequested(SoundList::AlarmSounds);
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace velmora
