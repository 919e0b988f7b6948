#include <gtest/gtest.h>

#include <QAction>
#include <QImage>

#include "app/TrayMenuOpsAdapter.h"
#include "base/ShiftJis.h"
#include "schedule/AlarmTexts.h"
#include "support/TestEnvironment.h"

namespace velmora {
namespace {

TEST(TrayPopupMenu, AFreshMenuHasTheCaptionsAndMarksOfAStartWithoutSettings) {
    TrayPopupMenu menu;
    struct Case {
        TrayMenuItem item;
        const char* name;
        const char* caption;
        bool checked;
        bool enabled;
    };
    const Case cases[] = {
        {TrayMenuItem::StartUp, "MenuStartUp", "スタートアップに登録(&S)", false, true},
        {TrayMenuItem::Alarm, "MenuAlarm", "目覚まし(&M)", false, true},
        {TrayMenuItem::Snooze, "MenuSnooze", "スヌーズ(&N)", false, true},
        {TrayMenuItem::MusicStop, "MenuMusicStop", "音楽停止(&O)", false, false},
        {TrayMenuItem::ShowSettei, "MenuShowSettei", "設定画面を表示(&A)", false, false},
        {TrayMenuItem::ShowClock, "MenuShowClock", "時計表示(&C)", true, true},
        {TrayMenuItem::BackColorGray, "MenuClockBackColorGray", "グレー(&G)", true, true},
        {TrayMenuItem::BackColorWhite, "MenuClockBackColorWhite", "白(&W)", false, true},
        {TrayMenuItem::ClockAllwaysFront, "MenuClockAllwaysFront", "時計を常に最前面にする(&F)",
         true, true},
        {TrayMenuItem::OnMouseHide, "MenuOnMouseHide", "マウスが近づいたら時計を隠す(&H)", false,
         true},
        {TrayMenuItem::SpeakJiho, "MenuSpeakJiho", "時報をしゃべる(&J)", true, true},
        {TrayMenuItem::NowTime, "MenuNowTime", "現在時刻(&T)", false, true},
        {TrayMenuItem::Help, "MenuHelp", "ヘルプの表示(&R)", false, true},
        {TrayMenuItem::Version, "MenuVersion", "バージョン情報(&V)", false, true},
        {TrayMenuItem::End, "MenuEnd", "終了(&E)", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QAction* action = menu.Action(c.item);
        EXPECT_EQ(action->objectName(), QLatin1String(c.name));
        EXPECT_EQ(action->text(), QString::fromUtf8(c.caption));
        EXPECT_EQ(action->isChecked(), c.checked);
        EXPECT_EQ(action->isEnabled(), c.enabled);
    }
    const auto* colour = menu.findChild<QMenu*>(QStringLiteral("MenuClockBackColor"));
    ASSERT_NE(colour, nullptr);
    EXPECT_EQ(colour->title(), QStringLiteral("文字盤の色(&B)"));
    EXPECT_TRUE(colour->actions().contains(menu.Action(TrayMenuItem::BackColorWhite)));
}

TEST(TrayPopupMenu, AClickLeavesTheMarkToTheCommand) {
    TrayPopupMenu menu;
    std::vector<TrayMenuItem> chosen;
    QObject::connect(&menu, &TrayPopupMenu::itemChosen,
                     [&](TrayMenuItem item) { chosen.push_back(item); });
    QObject::connect(&menu, &TrayPopupMenu::itemChosen, [&](TrayMenuItem item) {
        EXPECT_FALSE(menu.Checked(item)) << "the command sees the mark as it was";
    });
    menu.Action(TrayMenuItem::Alarm)->trigger();
    menu.Action(TrayMenuItem::OnMouseHide)->trigger();
    menu.Action(TrayMenuItem::ShowSettei)->trigger();  // disabled: nothing
    EXPECT_EQ(chosen, (std::vector<TrayMenuItem>{TrayMenuItem::Alarm, TrayMenuItem::OnMouseHide}));
    EXPECT_FALSE(menu.Checked(TrayMenuItem::Alarm));
    EXPECT_FALSE(menu.Checked(TrayMenuItem::OnMouseHide));
}

class TrayIconTest : public ::testing::Test {
protected:
    TrayPopupMenu menu;
    VelmoraTrayIcon tray{test::ProgramDir() + "/", &menu};
    TrayMenuOpsAdapter ops{menu, tray};
};

TEST_F(TrayIconTest, TipAndIconFollowTheAlarmMode) {
    const DateTime monday = EncodeDate(2024, 3, 18) + EncodeTime(7, 0, 0);
    const DateTime sunday = EncodeDate(2024, 3, 17) + EncodeTime(6, 5, 9);
    struct Case {
        std::string tip;
        TrayIcon icon;
        const char* expected;
    };
    const Case cases[] = {
        {ArmedTip(false, monday), TrayIcon::Alarm, "ベルモラ\nALARM ON\n2024/03/18(月) 07:00:00"},
        {ArmedTip(true, sunday), TrayIcon::Snooze, "ベルモラ\nSNOOZE\n2024/03/17(日) 06:05:09"},
        {AlarmOffTip(), TrayIcon::Application, "ベルモラ\nALARM OFF"},
    };
    for (const Case& c : cases) {
        ops.SetTrayTip(c.tip, c.icon);
        EXPECT_EQ(tray.Tip(), QString::fromUtf8(c.expected));
        EXPECT_EQ(tray.Icon(), c.icon);
        // The tip field of the tray holds 127 bytes of Shift-JIS.
        const auto sjis = Utf8ToSjis(c.tip);
        ASSERT_TRUE(sjis.has_value());
        EXPECT_LE(sjis->size(), 127U);
    }
}

TEST_F(TrayIconTest, TheThreeIconsAreLoadedAndDiffer) {
    const QImage app = tray.IconImage(TrayIcon::Application).pixmap(32).toImage();
    const QImage alarm = tray.IconImage(TrayIcon::Alarm).pixmap(32).toImage();
    const QImage snooze = tray.IconImage(TrayIcon::Snooze).pixmap(32).toImage();
    ASSERT_FALSE(app.isNull());
    ASSERT_FALSE(alarm.isNull());
    ASSERT_FALSE(snooze.isNull());
    EXPECT_NE(app, alarm);
    EXPECT_NE(alarm, snooze);
    EXPECT_NE(app, snooze);
}

TEST_F(TrayIconTest, RingingLocksTheItemsThatWouldChangeTheClockUnderIt) {
    ops.EnableShowSettei();
    ops.SetMusicStopEnabled(true);
    ops.SetRingingLock(true);
    for (const TrayMenuItem item :
         {TrayMenuItem::ShowClock, TrayMenuItem::OnMouseHide, TrayMenuItem::StartUp,
          TrayMenuItem::ShowSettei, TrayMenuItem::Alarm, TrayMenuItem::SpeakJiho}) {
        EXPECT_FALSE(menu.Enabled(item));
    }
    // Snooze stays, so the snooze can be switched off while it rings.
    for (const TrayMenuItem item :
         {TrayMenuItem::Snooze, TrayMenuItem::MusicStop, TrayMenuItem::NowTime,
          TrayMenuItem::ClockAllwaysFront, TrayMenuItem::End}) {
        EXPECT_TRUE(menu.Enabled(item));
    }
    ops.SetRingingLock(false);
    EXPECT_TRUE(menu.Enabled(TrayMenuItem::ShowSettei));
    EXPECT_TRUE(menu.Enabled(TrayMenuItem::Alarm));

    menu.SetChecked(TrayMenuItem::Snooze, true);
    ops.UncheckAlarmModes();
    EXPECT_FALSE(ops.AlarmChecked());
    EXPECT_FALSE(ops.SnoozeChecked());
}

}  // namespace
}  // namespace velmora
