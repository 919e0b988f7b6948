#include <gtest/gtest.h>

#include <QAction>
#include <filesystem>

#include "app/AutostartSwitch.h"
#include "app/TrayMenuCommands.h"
#include "fakes/FakeDesktopOpener.h"
#include "fakes/FakeNotices.h"
#include "fakes/FakeTrayMenuHost.h"
#include "settings/IniFile.h"
#include "support/TempDir.h"

namespace velmora {
namespace {

using Log = std::vector<std::string>;

class TrayMenuCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { commands.SetMenusLive(true); }

    // As the user chooses it from the menu.
    void Click(TrayMenuItem item) { menu.Action(item)->trigger(); }
    std::string Key(const char* section, const char* key) const {
        return ini.ReadRaw(section, key).value_or("<none>");
    }
    void SetModes(bool alarm, bool snooze) {
        menu.SetChecked(TrayMenuItem::Alarm, alarm);
        menu.SetChecked(TrayMenuItem::Snooze, snooze);
    }

    test::TempDir dir;
    IniFile ini{dir.File("Settei.ini")};
    TrayPopupMenu menu;
    test::FakeTrayMenuHost host;
    test::FakeNotices notices;
    test::FakeDesktopOpener opener;
    AutostartSwitch autostart{dir.File("bin/velmora"), dir.File("autostart")};
    TrayMenuCommands commands{{menu, host, ini, notices, opener, autostart, dir.Path()}};
};

TEST_F(TrayMenuCommandsTest, AlarmModesAreNeverBothOnAndBothKeysAreWritten) {
    struct Case {
        bool alarm, snooze;
        TrayMenuItem click;
        bool alarmAfter, snoozeAfter;
        const char* action;
    };
    const Case cases[] = {
        {false, false, TrayMenuItem::Alarm, true, false, "arm"},
        {true, false, TrayMenuItem::Alarm, false, false, "alarm off"},
        {true, false, TrayMenuItem::Snooze, false, true, "arm"},
        {false, true, TrayMenuItem::Snooze, false, false, "alarm off"},
        {false, true, TrayMenuItem::Alarm, true, false, "arm"},
        {false, false, TrayMenuItem::Snooze, false, true, "arm"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.alarm << c.snooze << " click "
                                        << (c.click == TrayMenuItem::Alarm ? "alarm" : "snooze"));
        SetModes(c.alarm, c.snooze);
        host.log.clear();
        Click(c.click);
        EXPECT_EQ(menu.Checked(TrayMenuItem::Alarm), c.alarmAfter);
        EXPECT_EQ(menu.Checked(TrayMenuItem::Snooze), c.snoozeAfter);
        EXPECT_EQ(host.log, Log{c.action});
        EXPECT_EQ(Key("Alarm", "Use"), c.alarmAfter ? "1" : "0");
        EXPECT_EQ(Key("Alarm", "Snooze"), c.snoozeAfter ? "1" : "0");
    }
    EXPECT_TRUE(notices.notices.empty());
}

// The dialog's OK sets the marks and then runs the commands while it has
// unsaved changes: they store and apply the marks as they are.
TEST_F(TrayMenuCommandsTest, WithUnsavedDialogChangesTheCommandsStoreTheMarksAsSet) {
    host.dialogIdle = false;
    SetModes(false, true);
    commands.Run(TrayMenuItem::Snooze);
    EXPECT_FALSE(menu.Checked(TrayMenuItem::Alarm));
    EXPECT_TRUE(menu.Checked(TrayMenuItem::Snooze));
    EXPECT_EQ(Key("Alarm", "Snooze"), "1");

    menu.SetChecked(TrayMenuItem::SpeakJiho, false);
    commands.Run(TrayMenuItem::SpeakJiho);
    EXPECT_FALSE(menu.Checked(TrayMenuItem::SpeakJiho));
    EXPECT_EQ(Key("Jiho", "Use"), "0");

    menu.SetChecked(TrayMenuItem::ShowClock, false);
    commands.Run(TrayMenuItem::ShowClock);
    EXPECT_FALSE(menu.Checked(TrayMenuItem::ShowClock));
    EXPECT_EQ(Key("Clock", "Show"), "0");
    EXPECT_EQ(host.log, (Log{"arm", "save and close clock"}));
}

TEST_F(TrayMenuCommandsTest, BeforeTheMenusAreLiveOnlyTheClockPositionItemActs) {
    commands.SetMenusLive(false);
    for (const TrayMenuItem item :
         {TrayMenuItem::Alarm, TrayMenuItem::Snooze, TrayMenuItem::ShowClock,
          TrayMenuItem::ClockAllwaysFront, TrayMenuItem::OnMouseHide, TrayMenuItem::SpeakJiho,
          TrayMenuItem::BackColorWhite}) {
        Click(item);
    }
    EXPECT_FALSE(menu.Checked(TrayMenuItem::Alarm));
    EXPECT_FALSE(menu.Checked(TrayMenuItem::Snooze));
    EXPECT_TRUE(menu.Checked(TrayMenuItem::ShowClock));
    EXPECT_TRUE(menu.Checked(TrayMenuItem::ClockAllwaysFront));
    EXPECT_FALSE(menu.Checked(TrayMenuItem::OnMouseHide));
    EXPECT_TRUE(menu.Checked(TrayMenuItem::SpeakJiho));
    EXPECT_TRUE(menu.Checked(TrayMenuItem::BackColorGray));
    EXPECT_TRUE(host.log.empty());
    EXPECT_FALSE(ini.Exists());

    Click(TrayMenuItem::SetClockPosition);
    EXPECT_TRUE(menu.Checked(TrayMenuItem::SetClockPosition));
    EXPECT_EQ(Key("ClockPosition", "Set"), "1");
}

TEST_F(TrayMenuCommandsTest, SnoozeClickedWhileRingingStopsTheRingingFirst) {
    SetModes(false, true);
    host.ringing = true;
    Click(TrayMenuItem::Snooze);
    EXPECT_EQ(host.log, (Log{"stop ringing", "alarm off"}));
    EXPECT_FALSE(menu.Checked(TrayMenuItem::Snooze));
    EXPECT_FALSE(menu.Checked(TrayMenuItem::Alarm));

    // Ringing in plain alarm mode: snooze is switched on, nothing stops.
    SetModes(true, false);
    host.ringing = true;
    host.log.clear();
    Click(TrayMenuItem::Snooze);
    EXPECT_EQ(host.log, Log{"arm"});
    EXPECT_TRUE(host.ringing);
    EXPECT_TRUE(menu.Checked(TrayMenuItem::Snooze));
}

// An open dialog shows each switch the menu changes, and the menu still
// stores it: a Cancel of the dialog must not lose the menu's choice.
TEST_F(TrayMenuCommandsTest, WhileTheDialogIsOpenTheMenuStoresAndTheDialogFollows) {
    host.dialogVisible = true;
    Click(TrayMenuItem::ClockAllwaysFront);
    Click(TrayMenuItem::OnMouseHide);
    Click(TrayMenuItem::BackColorWhite);
    Click(TrayMenuItem::Alarm);
    EXPECT_FALSE(menu.Checked(TrayMenuItem::ClockAllwaysFront));
    EXPECT_TRUE(menu.Checked(TrayMenuItem::OnMouseHide));
    EXPECT_TRUE(menu.Checked(TrayMenuItem::BackColorWhite));
    EXPECT_EQ(host.log, (Log{"clock lowered", "dialog follows", "dialog follows", "dial white",
                             "dialog follows", "dialog follows", "arm"}));
    EXPECT_EQ(Key("Clock", "AllwaysFront"), "0");
    EXPECT_EQ(Key("Clock", "OnMouseHide"), "1");
    EXPECT_EQ(Key("Clock", "BackColor"), "White");
    EXPECT_EQ(Key("Alarm", "Use"), "1");

    host.dialogVisible = false;
    host.clockVisible = false;
    host.log.clear();
    Click(TrayMenuItem::ClockAllwaysFront);
    Click(TrayMenuItem::OnMouseHide);
    Click(TrayMenuItem::BackColorWhite);
    EXPECT_TRUE(host.log == Log{"dial white"}) << "a hidden clock is not raised";
    EXPECT_EQ(Key("Clock", "AllwaysFront"), "1");
    EXPECT_EQ(Key("Clock", "OnMouseHide"), "0");
    EXPECT_EQ(Key("Clock", "BackColor"), "White");
    // Choosing the checked colour again keeps it.
    EXPECT_TRUE(menu.Checked(TrayMenuItem::BackColorWhite));
    EXPECT_FALSE(menu.Checked(TrayMenuItem::BackColorGray));
}

TEST_F(TrayMenuCommandsTest, ShowClockClosesWithItsPlaceSavedAndShowsAgain) {
    Click(TrayMenuItem::ShowClock);
    EXPECT_EQ(Key("Clock", "Show"), "0");
    Click(TrayMenuItem::ShowClock);
    EXPECT_EQ(Key("Clock", "Show"), "1");
    EXPECT_EQ(host.log, (Log{"save and close clock", "show clock"}));
}

TEST_F(TrayMenuCommandsTest, ShowSetteiLocksTheMenuAndLowersAVisibleClock) {
    menu.SetEnabled(TrayMenuItem::ShowSettei, true);
    Click(TrayMenuItem::ShowSettei);
    EXPECT_FALSE(menu.Enabled(TrayMenuItem::ShowSettei));
    EXPECT_FALSE(menu.Enabled(TrayMenuItem::End));
    EXPECT_EQ(host.log, (Log{"clock lowered", "show dialog"}));

    // The tray's left click runs it also while the item is disabled.
    host.clockVisible = false;
    host.log.clear();
    commands.Run(TrayMenuItem::ShowSettei);
    EXPECT_EQ(host.log, Log{"show dialog"});
}

TEST_F(TrayMenuCommandsTest, ClockPositionIsRememberedAndStoredWithTheScreen) {
    Click(TrayMenuItem::SetClockPosition);
    EXPECT_TRUE(host.position.Set);
    EXPECT_EQ(host.position.MonitorX, 1920);
    EXPECT_EQ(host.position.MonitorY, 1080);
    EXPECT_EQ(host.position.X, 120);
    EXPECT_EQ(host.position.Y, 80);
    EXPECT_EQ(Key("ClockPosition", "MonitorX"), "1920");
    EXPECT_EQ(Key("ClockPosition", "Y"), "80");

    // Unchecked, the clock no longer goes back there, in this run either.
    host.clockAt = {300, 200};
    Click(TrayMenuItem::SetClockPosition);
    EXPECT_FALSE(menu.Checked(TrayMenuItem::SetClockPosition));
    EXPECT_FALSE(host.position.Set);
    EXPECT_EQ(host.position.X, 120);
    EXPECT_EQ(Key("ClockPosition", "Set"), "0");
    EXPECT_EQ(Key("ClockPosition", "X"), "300");
}

TEST_F(TrayMenuCommandsTest, AFailedWriteIsShownOncePerCommand) {
    IniFile broken(dir.File("missing/Settei.ini"));
    TrayMenuCommands failing({menu, host, broken, notices, opener, autostart, dir.Path()});
    failing.SetMenusLive(true);
    failing.Run(TrayMenuItem::Alarm);
    ASSERT_EQ(notices.notices.size(), 1U);
    EXPECT_FALSE(notices.notices[0].empty());
    EXPECT_EQ(notices.notices[0], broken.LastError());
    EXPECT_EQ(host.log, Log{"arm"}) << "the alarm is armed all the same";
    failing.Run(TrayMenuItem::SpeakJiho);
    EXPECT_EQ(notices.notices.size(), 2U);
}

TEST_F(TrayMenuCommandsTest, HelpOpensTheGuideBesideTheProgram) {
    Click(TrayMenuItem::Help);
    ASSERT_EQ(opener.opened, std::vector<std::string>{dir.File("ReadMe.txt")});
    EXPECT_TRUE(notices.notices.empty());
    opener.pending.front()(2);
    EXPECT_EQ(notices.notices, std::vector<std::string>{"使い方の表示に失敗しました。"});
}

TEST_F(TrayMenuCommandsTest, StartUpItemRegistersAndUnregistersWithItsMessages) {
    const QAction* item = menu.Action(TrayMenuItem::StartUp);
    Click(TrayMenuItem::StartUp);
    EXPECT_EQ(item->text(), QStringLiteral("スタートアップから削除(&S)"));
    EXPECT_TRUE(std::filesystem::exists(dir.File("autostart/ベルモラ.desktop")));
    Click(TrayMenuItem::StartUp);
    EXPECT_EQ(item->text(), QStringLiteral("スタートアップに登録(&S)"));
    EXPECT_FALSE(std::filesystem::exists(dir.File("autostart/ベルモラ.desktop")));

    // Removed by hand behind the program's back: the delete fails.
    Click(TrayMenuItem::StartUp);
    std::filesystem::remove(dir.File("autostart/ベルモラ.desktop"));
    Click(TrayMenuItem::StartUp);
    EXPECT_EQ(item->text(), QStringLiteral("スタートアップから削除(&S)"));
    EXPECT_EQ(notices.notices,
              (std::vector<std::string>{
                  "スタートアップに登録しました。", "スタートアップから削除しました。",
                  "スタートアップに登録しました。", "スタートアップから削除できませんでした。"}));
}

TEST_F(TrayMenuCommandsTest, TheOtherItemsReachTheirTargets) {
    menu.SetEnabled(TrayMenuItem::MusicStop, true);
    for (const TrayMenuItem item : {TrayMenuItem::NowTime, TrayMenuItem::MusicStop,
                                    TrayMenuItem::Version, TrayMenuItem::End}) {
        Click(item);
    }
    EXPECT_EQ(host.log, (Log{"speak time", "stop music", "about", "end"}));
    EXPECT_FALSE(ini.Exists());
}

}  // namespace
}  // namespace velmora
