#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "about/TVelmoraVersionForm.h"
#include "app/ClockTicker.h"
#include "app/ProgramFatalNotice.h"
#include "app/Startup.h"
#include "app/TVelmoraMainForm.h"
#include "app/TrayPresence.h"
#include "app/VelmoraProgram.h"
#include "clock/ClockHints.h"
#include "dialog/RadioGroup.h"
#include "dialog/TVelmoraSetteiForm.h"
#include "fakes/FakeMessageService.h"
#include "fakes/FakeNotices.h"
#include "support/TempDir.h"

namespace velmora {
namespace {

// The whole program on the offscreen platform, with the settings file the
// test writes (Shift-JIS is not needed for these ASCII keys).
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        context = PrepareStartup();
        std::filesystem::remove(SettingsPath());
    }
    void TearDown() override { std::filesystem::remove(SettingsPath()); }

    std::string SettingsPath() const { return context.Folders.DataFolder + kSettingsFileName; }
    void Start() {
        context = PrepareStartup();
        context.TrayAvailable = [this] { return trayAvailable; };
        program = std::make_unique<VelmoraProgram>(context, messages);
    }
    TVelmoraMainForm& Main() const { return *program->Parts().Main; }
    TrayPopupMenu& Menu() const { return Main().Menu(); }

    StartupContext context;
    // The offscreen platform has no tray; the tests play a desktop with one.
    bool trayAvailable = true;
    test::FakeMessageService messages;
    std::unique_ptr<VelmoraProgram> program;
};

TEST_F(MainWindowTest, WithoutSettingsTheMenuHasItsDefaultMarks) {
    Start();
    const ProgramParts& parts = program->Parts();
    ASSERT_NE(parts.Main, nullptr);
    ASSERT_NE(parts.Clock, nullptr);
    ASSERT_NE(parts.Dialog, nullptr);
    ASSERT_NE(parts.About, nullptr);

    for (const TrayMenuItem item : {TrayMenuItem::ShowClock, TrayMenuItem::ClockAllwaysFront,
                                    TrayMenuItem::BackColorGray, TrayMenuItem::SpeakJiho}) {
        EXPECT_TRUE(Menu().Checked(item));
    }
    for (const TrayMenuItem item : {TrayMenuItem::Alarm, TrayMenuItem::Snooze,
                                    TrayMenuItem::BackColorWhite, TrayMenuItem::OnMouseHide}) {
        EXPECT_FALSE(Menu().Checked(item));
    }
    EXPECT_TRUE(Main().Commands().MenusLive());
    EXPECT_FALSE(Menu().Enabled(TrayMenuItem::ShowSettei)) << "enabled by the tick after 10 s";
    EXPECT_EQ(Main().Lists().Alarm.size(), 14U);
    EXPECT_EQ(Main().Lists().Jiho.size(), 6U);
    EXPECT_EQ(Main().Tray().Tip(), QStringLiteral("ベルモラ\nALARM OFF"));
    EXPECT_EQ(Main().Tray().Icon(), TrayIcon::Application);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(Menu().Action(TrayMenuItem::SetClockPosition)->text(),
              QStringLiteral("現在の画面解像度(%1x%2)になったら時計を現在の位置にする(&P)")
                  .arg(screen.width())
                  .arg(screen.height()));
    EXPECT_EQ(Menu().Action(TrayMenuItem::StartUp)->text(),
              QStringLiteral("スタートアップに登録(&S)"));
    EXPECT_TRUE(parts.Clock->Form().isVisible()) << "shown at creation";
    EXPECT_FALSE(parts.Dialog->isVisible());
    EXPECT_FALSE(parts.About->isVisible());
    EXPECT_TRUE(parts.State.MainTimerEnabled);
    EXPECT_TRUE(parts.State.StartupPending);
}

TEST_F(MainWindowTest, MarksComeFromTheSettingsFile) {
    test::WriteBytes(SettingsPath(),
                     "[Clock]\r\nShow=0\r\nAllwaysFront=0\r\nOnMouseHide=1\r\nBackColor=White\r\n"
                     "[Alarm]\r\nUse=1\r\nSnooze=0\r\n[Jiho]\r\nUse=0\r\n");
    Start();
    EXPECT_FALSE(Menu().Checked(TrayMenuItem::ShowClock));
    EXPECT_FALSE(Menu().Checked(TrayMenuItem::ClockAllwaysFront));
    EXPECT_TRUE(Menu().Checked(TrayMenuItem::OnMouseHide));
    EXPECT_TRUE(Menu().Checked(TrayMenuItem::BackColorWhite));
    EXPECT_FALSE(Menu().Checked(TrayMenuItem::BackColorGray));
    EXPECT_TRUE(Menu().Checked(TrayMenuItem::Alarm));
    EXPECT_FALSE(Menu().Checked(TrayMenuItem::SpeakJiho));
    // Armed by the tick's start-up step, not before.
    EXPECT_EQ(Main().Tray().Icon(), TrayIcon::Application);
}

// Switched off, the clock never appears, not even until the start-up step
// 10 s later, yet stands where a shown clock would, for the ringing and the
// remembered position.
TEST_F(MainWindowTest, ASwitchedOffClockNeverAppears) {
    test::WriteBytes(SettingsPath(), "[Clock]\r\nShow=0\r\nWidth=200\r\nLeft=10\r\nTop=20\r\n");
    Start();
    const ProgramParts& parts = program->Parts();
    TClockForm& clock = parts.Clock->Form();
    EXPECT_FALSE(clock.isVisible());
    EXPECT_EQ(clock.geometry(), QRect(10, 20, 200, 226));
    parts.State.CreatedAt -= 11.0 / 86400;  // the start-up step is due
    parts.Clock->Engine().MainTimerTimer();
    ASSERT_FALSE(parts.State.StartupPending);
    EXPECT_FALSE(clock.isVisible());
    EXPECT_EQ(clock.windowHandle(), nullptr) << "never mapped";
}

TEST_F(MainWindowTest, TheOpenSettingsDialogLocksTheMenuAndKeepsItsEdits) {
    Start();
    const ProgramParts& parts = program->Parts();
    // The tray's left click, also while the item is still disabled.
    emit Main().Tray().leftClicked();
    EXPECT_TRUE(parts.Dialog->isVisible());
    EXPECT_FALSE(Menu().Enabled(TrayMenuItem::ShowSettei));
    EXPECT_FALSE(Menu().Enabled(TrayMenuItem::End));

    // A double click on the clock or a click on the tray while the dialog
    // is open keeps the user's unsaved edits: the dialog only comes to the
    // front.
    auto* mode = parts.Dialog->findChild<RadioGroup*>(QStringLiteral("RadioGroupAlarm"));
    ASSERT_NE(mode, nullptr);
    mode->SetItemIndex(2);
    parts.Dialog->State().Unchanged = false;
    parts.State.StartupPending = false;
    auto* hands = parts.Clock->Form().findChild<QWidget*>(QStringLiteral("ImgHari"));
    ASSERT_NE(hands, nullptr);
    for (const QEvent::Type type : {QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        QMouseEvent event(
            type, QPointF(100, 150), hands->mapToGlobal(QPointF(100, 150)), Qt::LeftButton,
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(hands, &event);
    }
    emit Main().Tray().leftClicked();
    EXPECT_TRUE(parts.Dialog->isVisible());
    EXPECT_EQ(mode->ItemIndex(), 2);
    EXPECT_FALSE(parts.Dialog->State().Unchanged);

    parts.Dialog->BtnCancelClick();
    EXPECT_FALSE(parts.Dialog->isVisible());
    EXPECT_TRUE(Menu().Enabled(TrayMenuItem::ShowSettei));
    EXPECT_TRUE(Menu().Enabled(TrayMenuItem::End));
}

TEST_F(MainWindowTest, TheDialogsOkBringsTheMenuInLineAndArmsTheAlarm) {
    Start();
    const ProgramParts& parts = program->Parts();
    parts.Dialog->ShowSettings();
    auto* mode = parts.Dialog->findChild<RadioGroup*>(QStringLiteral("RadioGroupAlarm"));
    ASSERT_NE(mode, nullptr);
    mode->SetItemIndex(2);  // snooze
    parts.Dialog->State().Unchanged = false;
    parts.Dialog->BtnOKClick();
    EXPECT_FALSE(parts.Dialog->isVisible());
    EXPECT_TRUE(Menu().Checked(TrayMenuItem::Snooze));
    EXPECT_FALSE(Menu().Checked(TrayMenuItem::Alarm));
    const IniFile ini(SettingsPath());
    EXPECT_TRUE(ini.ReadBool("Alarm", "Snooze", false));
    EXPECT_FALSE(ini.ReadBool("Alarm", "Use", true));
    // The next alarm is armed: the default 07:00 of every day.
    EXPECT_EQ(Main().Tray().Icon(), TrayIcon::Snooze);
    EXPECT_TRUE(Main().Tray().Tip().startsWith(QStringLiteral("ベルモラ\nSNOOZE\n")))
        << Main().Tray().Tip().toStdString();
    EXPECT_TRUE(Main().Tray().Tip().endsWith(QStringLiteral(" 07:00:00")));
    EXPECT_GT(parts.State.WakeTime, 0);
}

// What the tray switches while the dialog is open survives the dialog's OK,
// with or without edits of the user's in it.
TEST_F(MainWindowTest, TheTraysChoiceSurvivesTheOpenDialogsOk) {
    for (const bool edited : {false, true}) {
        SCOPED_TRACE(edited ? "dialog edited" : "dialog unchanged");
        test::WriteBytes(SettingsPath(), "[Alarm]\r\nUse=1\r\n[Clock]\r\nOnMouseHide=0\r\n");
        Start();
        const ProgramParts& parts = program->Parts();
        parts.Dialog->ShowSettings();
        Menu().Action(TrayMenuItem::Alarm)->trigger();
        Menu().Action(TrayMenuItem::OnMouseHide)->trigger();
        ASSERT_EQ(Main().Tray().Tip(), QStringLiteral("ベルモラ\nALARM OFF"));
        if (edited) {
            parts.Dialog->State().Unchanged = false;
        }
        parts.Dialog->BtnOKClick();
        ASSERT_FALSE(parts.Dialog->isVisible());
        const IniFile ini(SettingsPath());
        EXPECT_FALSE(ini.ReadBool("Alarm", "Use", true));
        EXPECT_TRUE(ini.ReadBool("Clock", "OnMouseHide", false));
        EXPECT_FALSE(Menu().Checked(TrayMenuItem::Alarm));
        EXPECT_TRUE(Menu().Checked(TrayMenuItem::OnMouseHide));
        EXPECT_EQ(Main().Tray().Tip(), QStringLiteral("ベルモラ\nALARM OFF"));
        program.reset();
    }
}

// Unchecking snooze while it rings ends the ringing and gives the clock its
// stored size back, the height following the width: a stored height is not
// used, so the dial cannot come back squashed.
TEST_F(MainWindowTest, SnoozeUncheckedWhileRingingRestoresTheClocksShape) {
    test::WriteBytes(SettingsPath(),
                     "[Clock]\r\nWidth=240\r\nHeight=500\r\nLeft=10\r\nTop=20\r\n"
                     "[Alarm]\r\nSnooze=1\r\n");
    Start();
    TClockForm& clock = program->Parts().Clock->Form();
    ClockState& state = program->Parts().State;
    state.Ringing = true;
    state.SnoozeWaiting = true;
    clock.EnlargeForRinging();
    ASSERT_NE(clock.geometry(), QRect(10, 20, 240, 271));
    Menu().Action(TrayMenuItem::Snooze)->trigger();
    EXPECT_FALSE(state.Ringing);
    EXPECT_FALSE(state.SnoozeWaiting);
    EXPECT_FALSE(Menu().Checked(TrayMenuItem::Snooze));
    EXPECT_EQ(clock.geometry(), QRect(10, 20, 240, 271));
    EXPECT_EQ(Main().Tray().Tip(), QStringLiteral("ベルモラ\nALARM OFF"));
    // Switched off from the menu, the clock's hint says so above the usage.
    EXPECT_EQ(clock.findChild<QWidget*>(QStringLiteral("ImgHari"))->toolTip().toStdString(),
              "ALARM OFF\n............\n" + HelpHint());
}

// A desktop without tray icons: the clock stays shown whatever the settings
// or the menu say, the menu item is greyed with the reason under the hint,
// the user is told once; a tray that comes later takes the icon, and
// hiding works again.
TEST_F(MainWindowTest, WithoutATrayTheClockStaysUntilATrayComes) {
    test::WriteBytes(SettingsPath(), "[Clock]\r\nShow=0\r\n");
    trayAvailable = false;
    Start();
    TClockForm& clock = program->Parts().Clock->Form();
    const auto hint = [&] {
        return clock.findChild<QWidget*>(QStringLiteral("ImgHari"))->toolTip().toStdString();
    };
    Menu().Action(TrayMenuItem::Alarm)->trigger();  // any hint shown after the start
    EXPECT_EQ(hint().substr(hint().size() - std::string(kNoTrayHint).size()), kNoTrayHint);
    EXPECT_FALSE(Menu().Enabled(TrayMenuItem::ShowClock));
    Main().MenuOps().SetRingingLock(true);  // a ringing that ends gives the items back
    Main().MenuOps().SetRingingLock(false);
    EXPECT_FALSE(Menu().Enabled(TrayMenuItem::ShowClock));
    program->Parts().Clock->Ops().Hide();  // the start-up step for Show=0
    Main().Commands().Run(TrayMenuItem::ShowClock);
    EXPECT_TRUE(clock.isVisible());
    program->Presence().Check();
    QCoreApplication::processEvents();
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].text.toStdString(), kNoTrayMessage);

    trayAvailable = true;
    program->Presence().Check();
    EXPECT_TRUE(Menu().Enabled(TrayMenuItem::ShowClock));
    EXPECT_EQ(hint().find(kNoTrayHint), std::string::npos);
    Main().Commands().Run(TrayMenuItem::ShowClock);
    EXPECT_FALSE(clock.isVisible());
    EXPECT_EQ(messages.shown.size(), 1U);
}

// A voice that cannot be loaded: the message once, then the program ends.
TEST(ProgramFatalNotice, ShowsItsMessageOnceAndEndsTheProgram) {
    test::FakeNotices notices;
    std::vector<int> ends;
    ProgramFatalNotice fatal(notices, [&](int code) { ends.push_back(code); });
    fatal.ShowAndExit(kVoiceDataMissingMessage);
    fatal.ShowAndExit(kVoiceDataMissingMessage);
    EXPECT_EQ(notices.notices,
              std::vector<std::string>{"声のデータが存在しません。\n終了します。"});
    EXPECT_EQ(ends, std::vector<int>{1});
}

// A voice that cannot be loaded while the windows are being created (the
// settings dialog measures the time signal's announcement): the notice is
// shown, plain, and the program ends with a failure at once instead of
// entering a loop that would keep it in the tray with its tick stopped.
TEST_F(MainWindowTest, AVoiceMissingAtTheStartEndsTheProgramWithItsNotice) {
    test::WriteBytes(SettingsPath(), "[Jiho]\r\nSpeakBeforeSound=1\r\n");
    context = PrepareStartup();
    test::TempDir programFolder;  // the pictures and sounds, no voice folders
    std::filesystem::create_directory_symlink(context.Folders.ProgramFolder + "Data",
                                              programFolder.File("Data"));
    context.Folders.ProgramFolder = programFolder.Path();
    // A loop entered all the same is ended after a while with a code of its own.
    QTimer stuck;
    stuck.setSingleShot(true);
    QObject::connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    stuck.start(5000);
    EXPECT_EQ(RunProgram(context, messages), 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("ベルモラ"));
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("声のデータが存在しません。\n終了します。"));
    EXPECT_EQ(messages.shown[0].icon, MessageService::Icon::None);
}

TEST_F(MainWindowTest, EndingKeepsTheClocksPlace) {
    Start();
    TClockForm& clock = program->Parts().Clock->Form();
    clock.move(140, 90);
    program->End(0);
    EXPECT_FALSE(program->Parts().State.MainTimerEnabled);
    program.reset();
    const IniFile ini(SettingsPath());
    EXPECT_EQ(ini.ReadInteger("Clock", "Left", -1), 140);
    EXPECT_EQ(ini.ReadInteger("Clock", "Top", -1), 90);
    EXPECT_EQ(ini.ReadInteger("Clock", "Width", -1), 200);
}

}  // namespace
}  // namespace velmora
