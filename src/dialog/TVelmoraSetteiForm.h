#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "base/AppFolders.h"
#include "dialog/DialogValues.h"
#include "dialog/NoticeRoutine.h"
#include "dialog/SettingsDialogTypes.h"
#include "dialog/SettingsValidation.h"
#include "dialog/TrayMenuItem.h"

class QCheckBox;
class QComboBox;
class QMenuBar;
class QPushButton;
class QTabWidget;

namespace velmora {

class AlarmPage;
class AlarmPlanWindow;
class AlarmWordPage;
class GeneralPage;
class JihoPage;
class MessageService;
class PhoneticConverter;
class RadioGroup;
class SettingsDialogHost;

struct SettingsDialogOptions {
    PowerControlStyle Power = PowerControlStyle::SleepCheckBox;
};

// The settings dialog. Created once and hidden; each showing fills the
// controls from the settings file, OK validates, writes the file, updates
// the live settings and the tray menu, closes and then asks for the chosen
// power action. The tests, previews, list editing, recording, font and help
// commands are announced as signals for the parts that carry them out.
class TVelmoraSetteiForm final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TVelmoraSetteiForm)

public:
    TVelmoraSetteiForm(SettingsDialogHost& host, MessageService& messages,
                       PhoneticConverter& converter, const AppFolders& folders,
                       SettingsDialogOptions options = {});
    ~TVelmoraSetteiForm() override;

    // Fills the controls from the settings file and shows the dialog; an
    // open dialog only comes to the front, its edits kept.
    void ShowSettings();
    void BtnOKClick();
    void BtnCancelClick();
    // The tray menu changed the mark of `item` while the dialog may be open:
    // the dialog's own control for that switch takes the mark, so that OK
    // stores the menu's choice rather than what the dialog was opened with.
    // The user's other edits, and whether there are any, stay as they are.
    void FollowTrayMenu(TrayMenuItem item);

    // The program's message routine (see NoticeRoutine).
    void ShowNotice(const std::string& text) { notices_.ShowNotice(text); }
    NoticeRoutine& Notices() { return notices_; }
    bool MessageShowing() const { return notices_.MessageShowing(); }

    SettingsDialogState& State() { return state_; }
    const SettingsDialogState& State() const { return state_; }
    int ShownMonth() const { return shownMonth_; }
    QString FontName() const { return fontName_; }
    void SetFontName(const QString& name);
    // What the main tick follows while the music test plays.
    int FirstVolume() const;
    int MaxVolume() const;
    bool VolumeUp() const;

    // The three lists the user extends. Sound lists show the file names of
    // the added paths, the music list the shortened paths.
    int ListIndex(SoundList list) const;
    int ListCount(SoundList list) const;
    QString ListText(SoundList list, int index) const;
    // Appends the chosen files and selects the last of them.
    void AppendToList(SoundList list, const std::vector<std::string>& paths);
    // Takes an added entry off its list and selects "なし".
    void RemoveFromList(SoundList list, int index);
    QPushButton* MusicTestButton() const;

    // How the key that says the time fares; the program calls it again
    // when the desktop answers later.
    void ShowNowTimeKeyStatus();

    // The voice recording as the main tick follows it.
    void ShowRecordSeconds(int seconds);
    // Ends a running recording as its button would.
    void StopRecording();

    // The controls as plain values, and the pages for the parts that act on
    // them.
    DialogValues ReadControls() const;
    // "予定を確認...": the days the values shown now would ring, in a small
    // window of its own.
    void ShowAlarmPlan();
    AlarmPlanWindow* PlanWindow() const { return planWindow_; }
    GeneralPage* MainPage() const { return generalPage_; }
    AlarmPage* ClockPage() const { return alarmPage_; }
    AlarmWordPage* WordPage() const { return wordPage_; }
    JihoPage* TimeSignalPage() const { return jihoPage_; }

signals:
    void speedTestRequested();
    void volumeTestRequested(VolumeTrack track);
    void alarmWordTestRequested();
    void soundPreviewRequested(SoundList list, int index);
    void addToListRequested(SoundList list);
    void musicTestRequested();
    void wavePlayRequested();
    void recordRequested();
    void changeFontRequested();
    void helpRequested();
    void wordGuideRequested();
    void aboutRequested();
    // The Delete key in one of the lists.
    void deleteFromListRequested(SoundList list);
    // The dialog has closed while no alarm music plays: running tests stop.
    void stopTestsRequested();
    // After OK has saved and closed the dialog.
    void powerActionRequested(PowerAction action);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildBottomRow(PowerControlStyle style);
    QComboBox* ListBox(SoundList list) const;
    void BuildMenu();
    void ConnectPages();
    void WatchForChanges();
    void FillControls(const DialogValues& form);
    void RenewVolumeHints();
    // Validation, save, live record and tray menu; false keeps the dialog open.
    bool SaveAndApply();
    void ShowValidationFailure(const DialogValuesValidation& failure);
    QWidget* FieldWidget(const FormField& field) const;
    void AfterClose();
    void MonthPicked(int month);
    void BackColorPicked(int index);
    PowerAction ChosenPowerAction() const;
    void ResetPowerAction();
    void CentreOnScreen();

    SettingsDialogHost& host_;
    PhoneticConverter& converter_;
    NoticeRoutine notices_;
    std::string settingsPath_;
    std::string alarmWordPath_;
    std::string recordedVoicePath_;
    std::string dataFolder_;
    PowerControlStyle powerStyle_;
    SettingsDialogState state_;
    DialogValues lists_;  // the entries users added to the lists
    int shownMonth_ = 0;
    QString fontName_;

    QMenuBar* menuBar_ = nullptr;
    QTabWidget* pageControl1_ = nullptr;
    GeneralPage* generalPage_ = nullptr;
    AlarmPage* alarmPage_ = nullptr;
    AlarmWordPage* wordPage_ = nullptr;
    JihoPage* jihoPage_ = nullptr;
    AlarmPlanWindow* planWindow_ = nullptr;
    QCheckBox* checkBoxGoToSleep_ = nullptr;
    RadioGroup* radioGroupGoToStandBy_ = nullptr;
    QPushButton* btnOK_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
};

}  // namespace velmora
