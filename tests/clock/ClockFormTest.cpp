#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QPaintEvent>
#include <QTest>
#include <QToolTip>
#include <QWindow>

#include "ClockFormTestSupport.h"
#include "clock/ClockHints.h"

namespace velmora {
namespace {

using test::ClockFormFixture;
using test::WaitFor;

class ClockFormTest : public ::testing::Test, protected ClockFormFixture {
protected:
    // Shows the clock at a known place: 200 × 226 at (860, 427).
    void ShowPlaced(
        const std::string& settings = "[Clock]\r\nWidth=200\r\nLeft=860\r\nTop=427\r\n") {
        WriteSettings(settings);
        Create();
        Form().show();
    }

    // A left-button drag over the hand layer from a point of the clock
    // through the given steps, let go at the last.
    void Drag(QPoint from, std::initializer_list<QPoint> steps) {
        const QPoint start = OnScreen(from);
        Mouse(Hands(), QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
        QPoint at = start;
        for (const QPoint step : steps) {
            at = start + step;
            Mouse(Hands(), QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        }
        Mouse(Hands(), QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }
};

TEST_F(ClockFormTest, FirstShowingWithoutSettingsCentresAndWrites) {
    Create();
    EXPECT_FALSE(Form().FirstShowDone());
    Form().show();
    EXPECT_TRUE(Form().FirstShowDone());
    EXPECT_EQ(Form().geometry(), QRect(860, 427, 200, 226));
    const IniFile ini = Settings();
    EXPECT_EQ(ini.ReadInteger("Clock", "Width", 0), 200);
    EXPECT_EQ(ini.ReadInteger("Clock", "Left", 0), 860);
    EXPECT_EQ(ini.ReadInteger("Clock", "Top", 0), 427);
    ASSERT_NE(Form().windowHandle(), nullptr);
    EXPECT_TRUE(Form().windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(Form().windowHandle()->flags().testFlag(Qt::FramelessWindowHint));
}

TEST_F(ClockFormTest, FirstShowingUsesTheStoredPlaceUnlessItIsOffTheScreen) {
    ShowPlaced("[Clock]\r\nWidth=300\r\nLeft=1915\r\nTop=20\r\n");
    EXPECT_EQ(Form().geometry(), QRect(810, 370, 300, 339));
    EXPECT_EQ(Settings().ReadInteger("Clock", "Left", 0), 810);
    EXPECT_EQ(Settings().ReadInteger("Clock", "Top", 0), 370);
    EXPECT_TRUE(host.menuUpdates.empty());
}

TEST_F(ClockFormTest, FirstShowingTakesTheRememberedPositionForThisResolution) {
    host.position = {true, 1920, 1080, 33, 44};
    host.alwaysOnTop = false;
    ShowPlaced();
    EXPECT_EQ(Form().geometry().topLeft(), QPoint(33, 44));
    ASSERT_EQ(host.menuUpdates.size(), 1u);
    EXPECT_EQ(host.menuUpdates[0].Checked, true);
    EXPECT_FALSE(Form().windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(ClockFormTest, TopMostChangesInPlace) {
    ShowPlaced();
    Form().SetTopMost(false);
    EXPECT_FALSE(Form().windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(Form().isVisible());
    Form().SetTopMost(true);
    EXPECT_TRUE(Form().windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(ClockFormTest, WheelResizesDownToTheMinimumAndSaves) {
    ShowPlaced("[Clock]\r\nWidth=124\r\nLeft=100\r\nTop=100\r\n");
    ASSERT_EQ(Form().size(), QSize(124, 140));
    const QPoint over(150, 150);
    Wheel(120, over);  // away from the user
    EXPECT_EQ(Form().size(), QSize(115, 130));
    EXPECT_EQ(Settings().ReadInteger("Clock", "Width", 0), 115);
    Wheel(-120, over);
    Wheel(-120, over);
    EXPECT_EQ(Form().size(), QSize(150, 170));
    EXPECT_EQ(Form().Layout().Width, 150);

    host.ringing = true;
    Wheel(-120, over);
    EXPECT_EQ(Form().size(), QSize(150, 170));
    host.ringing = false;
    Wheel(-120, QPoint(100 + 151, 150));  // outside the window
    EXPECT_EQ(Form().size(), QSize(150, 170));
}

TEST_F(ClockFormTest, CursorShowsTheZones) {
    ShowPlaced();
    QWidget& hands = Hands();
    Mouse(hands, QEvent::MouseMove, OnScreen({5, 113}), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(hands.cursor().shape(), Qt::SizeHorCursor);
    Mouse(hands, QEvent::MouseMove, OnScreen({100, 200}), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(hands.cursor().shape(), Qt::SizeVerCursor);
    Mouse(hands, QEvent::MouseMove, OnScreen({100, 150}), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(hands.cursor().shape(), Qt::ArrowCursor);
    host.ringing = true;
    Mouse(hands, QEvent::MouseMove, OnScreen({5, 113}), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(hands.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(ClockFormTest, RightEdgeDragKeepsTheMinimumsAndTheAspect) {
    ShowPlaced();
    // The position was remembered for this resolution after the clock appeared.
    host.position = {true, 1920, 1080, 0, 0};
    messages.answer = true;
    bool topMostThen = true;
    messages.whileShown = [&] {
        topMostThen = Form().windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    };
    Drag({199, 113}, {{-1, 0}, {-121, 0}});
    EXPECT_EQ(Form().geometry(), QRect(860, 427, 100, 113));
    EXPECT_EQ(Settings().ReadInteger("Clock", "Width", 0), 100);
    // At the remembered resolution the user is asked whether to keep this place.
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].text,
              QStringLiteral("現在の画面解像度(1920x1080)になったら\n時計をこの位置にしますか？"));
    // The question box, in the middle of the screen, is not under the clock.
    EXPECT_FALSE(topMostThen);
    EXPECT_TRUE(Form().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(host.position.X, 860);
    EXPECT_EQ(host.position.Y, 427);
    EXPECT_EQ(Settings().ReadInteger("ClockPosition", "X", 0), 860);
    EXPECT_TRUE(host.tickChanges.empty());
}

TEST_F(ClockFormTest, BottomEdgeDragFollowsTheHeight) {
    ShowPlaced();
    Drag({100, 200}, {{0, 1}, {0, 101}});
    // 326 high: the width follows, round(326 × 200 / 226) = round(288.5) = 288.
    EXPECT_EQ(Form().geometry(), QRect(860, 427, 288, 326));
    EXPECT_TRUE(messages.asked.empty());  // no position remembered
}

TEST_F(ClockFormTest, DragElsewhereMovesWithTheTickPaused) {
    ShowPlaced();
    QWidget& hands = Hands();
    bool allowedDuringMove = true;
    const QPoint start = OnScreen({100, 150});
    Mouse(hands, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    Mouse(hands, QEvent::MouseMove, start + QPoint(1, 1), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(host.tickChanges, std::vector<bool>{false});
    allowedDuringMove = Form().MouseHideAllowed();
    Mouse(hands, QEvent::MouseMove, start + QPoint(51, 41), Qt::NoButton, Qt::LeftButton);
    Mouse(hands, QEvent::MouseButtonRelease, start + QPoint(51, 41), Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(allowedDuringMove);
    EXPECT_TRUE(Form().MouseHideAllowed());
    EXPECT_EQ(Form().geometry(), QRect(910, 467, 200, 226));
    EXPECT_EQ((host.tickChanges), (std::vector<bool>{false, true}));
    EXPECT_EQ(Settings().ReadInteger("Clock", "Left", 0), 910);
    EXPECT_EQ(Settings().ReadInteger("Clock", "Top", 0), 467);
}

TEST_F(ClockFormTest, FastFirstMoveDoesNotDrag) {
    ShowPlaced();
    Drag({100, 150}, {{4, 4}, {40, 40}});
    EXPECT_EQ(Form().geometry(), QRect(860, 427, 200, 226));
    EXPECT_TRUE(host.tickChanges.empty());
}

TEST_F(ClockFormTest, PressedZoneWithoutDragDoesNotTurnTheNextDragIntoAResize) {
    ShowPlaced();
    QWidget& hands = Hands();
    Mouse(hands, QEvent::MouseButtonPress, OnScreen({199, 113}), Qt::LeftButton, Qt::LeftButton);
    Mouse(hands, QEvent::MouseButtonRelease, OnScreen({199, 113}), Qt::LeftButton, Qt::NoButton);
    Drag({100, 150}, {{1, 0}, {31, 0}});
    EXPECT_EQ(Form().geometry(), QRect(890, 427, 200, 226));
}

TEST_F(ClockFormTest, NoResizeOrMoveWhileRinging) {
    ShowPlaced();
    host.ringing = true;
    Drag({199, 113}, {{-1, 0}, {-49, 0}});
    EXPECT_EQ(Form().geometry(), QRect(860, 427, 200, 226));
    EXPECT_TRUE(host.tickChanges.empty());
}

TEST_F(ClockFormTest, RightClickOpensTheTrayMenuWithoutHiding) {
    ShowPlaced();
    bool allowedWhileOpen = true;
    host.whileTrayMenuOpen = [&] { allowedWhileOpen = Form().MouseHideAllowed(); };
    Mouse(Hands(), QEvent::MouseButtonPress, OnScreen({100, 150}), Qt::RightButton,
          Qt::RightButton);
    Mouse(Hands(), QEvent::MouseButtonRelease, OnScreen({100, 150}), Qt::RightButton, Qt::NoButton);
    ASSERT_EQ(host.trayMenuAt.size(), 1u);
    EXPECT_EQ(host.trayMenuAt[0], QPoint(960, 577));
    EXPECT_FALSE(allowedWhileOpen);
    EXPECT_TRUE(Form().MouseHideAllowed());
}

// Once the clock has the keyboard, the menu key and Shift+F10 open the menu
// over the middle of the clock, as the right button does under the pointer.
TEST_F(ClockFormTest, TheMenuKeyOpensTheTrayMenuOverTheClock) {
    ShowPlaced();
    Form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form()));
    ASSERT_EQ(QApplication::focusWidget(), &Hands()) << "the clock cannot take the keyboard";
    bool allowedWhileOpen = true;
    host.whileTrayMenuOpen = [&] { allowedWhileOpen = Form().MouseHideAllowed(); };
    QTest::keyClick(&Hands(), Qt::Key_F10);
    QTest::keyClick(&Hands(), Qt::Key_M);
    EXPECT_TRUE(host.trayMenuAt.empty());
    QTest::keyClick(&Hands(), Qt::Key_Menu);
    QTest::keyClick(&Hands(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(host.trayMenuAt, (std::vector<QPoint>{{959, 539}, {959, 539}}));
    EXPECT_FALSE(allowedWhileOpen);
    EXPECT_TRUE(Form().MouseHideAllowed());
}

TEST_F(ClockFormTest, DoubleClickOpensTheSettingsOnlyWhenSettled) {
    ShowPlaced();
    const auto doubleClick = [this] {
        Mouse(Hands(), QEvent::MouseButtonDblClick, OnScreen({100, 150}), Qt::LeftButton,
              Qt::LeftButton);
        Mouse(Hands(), QEvent::MouseButtonRelease, OnScreen({100, 150}), Qt::LeftButton,
              Qt::NoButton);
    };
    host.startupPending = true;
    doubleClick();
    EXPECT_EQ(host.settingsOpened, 0);
    host.startupPending = false;
    host.ringing = true;
    doubleClick();
    EXPECT_EQ(host.settingsOpened, 0);
    host.ringing = false;
    doubleClick();
    EXPECT_EQ(host.settingsOpened, 1);
}

TEST_F(ClockFormTest, StopPictureStopsTheRingingAlarm) {
    ShowPlaced();
    const QPoint onButton = OnScreen({100, 10});
    Mouse(StopButton(), QEvent::MouseButtonPress, onButton, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(host.alarmStops, 0);
    host.ringing = true;
    Mouse(StopButton(), QEvent::MouseButtonPress, onButton, Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(host.alarmStops, 1);
    EXPECT_TRUE(host.trayMenuAt.empty());
}

TEST_F(ClockFormTest, MouseHideRuleHidesAtTheRimAndShowsAtTheCentre) {
    host.hideNearMouse = true;
    ShowPlaced();
    desktop.cursor = {870, 437};  // the rim
    Form().ApplyMouseHideRule();
    EXPECT_FALSE(Form().isVisible());
    desktop.cursor = {960, 540};  // the middle ninth
    Form().ApplyMouseHideRule();
    EXPECT_TRUE(Form().isVisible());
    desktop.ctrl = true;
    desktop.cursor = {870, 437};
    Form().ApplyMouseHideRule();
    EXPECT_TRUE(Form().isVisible());
    desktop.ctrl = false;
    host.hideNearMouse = false;
    Form().ApplyMouseHideRule();
    EXPECT_TRUE(Form().isVisible());
}

TEST_F(ClockFormTest, ResolutionChangeWaitsThenPlacesTheClock) {
    host.position = {true, 1920, 1080, 10, 20};
    desktop.screen = {1280, 1024};
    ShowPlaced();
    host.menuUpdates.clear();

    desktop.ChangeScreen({1920, 1080});
    EXPECT_EQ(host.tickChanges, std::vector<bool>{false});
    EXPECT_TRUE(host.menuUpdates.empty());  // nothing before the wait is over
    ASSERT_TRUE(WaitFor([&] { return host.tickChanges.size() == 2; }));
    EXPECT_TRUE(host.tickChanges[1]);
    EXPECT_EQ(Form().geometry().topLeft(), QPoint(10, 20));
    ASSERT_EQ(host.menuUpdates.size(), 1u);
    EXPECT_EQ(host.menuUpdates[0], (ClockPositionMenuUpdate{true, true, std::nullopt}));
    EXPECT_TRUE(Form().isVisible());

    desktop.ChangeScreen({1280, 1024});
    ASSERT_TRUE(WaitFor([&] { return host.tickChanges.size() == 4; }));
    EXPECT_EQ(host.menuUpdates.back(),
              (ClockPositionMenuUpdate{std::nullopt, false, std::nullopt}));
    EXPECT_EQ(Form().geometry().topLeft(), QPoint(10, 20));
}

TEST_F(ClockFormTest, ResolutionChangeIgnoredWithoutAKnownScreen) {
    desktop.screen = {};
    Create();
    desktop.ChangeScreen({1920, 1080});
    EXPECT_TRUE(host.tickChanges.empty());
}

TEST_F(ClockFormTest, RingingEnlargesAndCentresThenRestores) {
    ShowPlaced("[Clock]\r\nWidth=250\r\nLeft=5\r\nTop=6\r\n");
    Form().SetTopMost(false);
    host.ringing = true;
    Form().EnlargeForRinging();
    EXPECT_EQ(Form().geometry(), QRect(721, 270, 478, 540));
    EXPECT_TRUE(Form().windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(Form().Layout().Width, 478);
    EXPECT_EQ(Hands().accessibleDescription(), QStringLiteral("目覚ましが鳴っています"));
    host.ringing = false;
    Form().RestoreNormalSize();
    EXPECT_EQ(Hands().accessibleDescription(), QStringLiteral("目覚ましオフ"));
    EXPECT_EQ(Form().geometry(), QRect(5, 6, 250, 282));
}

// A screen reader names the painted clock by its time, following the clock,
// and describes it by the alarm's state from the start (not by its hint).
TEST_F(ClockFormTest, ThePaintedClockIsNamedByItsTime) {
    Create();
    ClockTime time = test::SampleTime();
    Form().DrawHands(time);
    const auto name = [this] {
        return QAccessible::queryAccessibleInterface(&Hands())->text(QAccessible::Name);
    };
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&Hands())->text(QAccessible::Description),
              QStringLiteral("目覚ましオフ"));
    EXPECT_EQ(name(), QStringLiteral("午前10時8分"));
    time.Hour = 19;
    time.Minute = 0;
    Form().DrawHands(time);
    EXPECT_EQ(name(), QStringLiteral("午後7時"));
}

TEST_F(ClockFormTest, AlarmLabelIsCentredOnEachChange) {
    Create();
    EXPECT_EQ(Form().AlarmLabel(), QStringLiteral("ALARM OFF"));
    Form().SetAlarmLabel(QStringLiteral("SNOOZE"));
    const QRect label = Form().AlarmLabelGeometry();
    EXPECT_EQ(label.left(), (200 - label.width()) / 2);
    EXPECT_EQ(Hands().accessibleDescription(), QStringLiteral("スヌーズ中"));
    Form().SetAlarmLabel(QStringLiteral("ALARM ON"));
    EXPECT_GT(Form().AlarmLabelGeometry().width(), label.width());
    EXPECT_EQ(Form().AlarmLabelGeometry().left(), (200 - Form().AlarmLabelGeometry().width()) / 2);
}

TEST_F(ClockFormTest, HintsOnWhiteWithTheDialogTextsReplaced) {
    Create();
    EXPECT_EQ(Hands().toolTip().toStdString(), CreationHint());
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(Qt::white));
    QWidget memo;
    memo.setObjectName(QStringLiteral("MemoAlarmWord"));
    memo.setToolTip(QStringLiteral("short"));
    memo.show();
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), memo.mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(&memo, &help);
    EXPECT_EQ(QToolTip::text().toStdString(), *DialogHintFor("MemoAlarmWord"));
    QWidget other;
    other.setToolTip(QStringLiteral("plain"));
    other.show();
    QHelpEvent otherHelp(QEvent::ToolTip, QPoint(2, 2), other.mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(&other, &otherHelp);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("plain"));
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

// Counts the hand layer's paints and remembers the last painted area.
class PaintCounter final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            area = static_cast<QPaintEvent*>(event)->region().boundingRect();
        }
        return false;
    }
    int paints = 0;
    QRect area;
};

TEST_F(ClockFormTest, TickRedrawsOnlyWhereTheHandsMoved) {
    ShowPlaced();
    PaintCounter counter;
    Hands().installEventFilter(&counter);
    ClockTime t = test::SampleTime();
    t.Hour = 12;
    t.Minute = 0;
    t.Second = 0;
    t.Millisecond = 0;
    Form().DrawHands(t);
    ASSERT_TRUE(WaitFor([&] { return counter.paints > 0; }));
    EXPECT_EQ(counter.area, QRect(0, 0, 200, 226));  // a new date: everything
    counter.paints = 0;
    t.Millisecond = 500;  // the second hand moves 3°
    Form().DrawHands(t);
    ASSERT_TRUE(WaitFor([&] { return counter.paints > 0; }));
    EXPECT_TRUE(QRect(90, 40, 20, 90).contains(counter.area))
        << counter.area.x() << "," << counter.area.y() << " " << counter.area.width() << "x"
        << counter.area.height();
    counter.paints = 0;
    Form().DrawHands(t);  // nothing moved
    WaitFor([&] { return counter.paints > 0; }, 100);
    EXPECT_EQ(counter.paints, 0);
}

}  // namespace
}  // namespace velmora
