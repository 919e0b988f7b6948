#include <gtest/gtest.h>

#include <algorithm>

#include "clock/ClockHints.h"
#include "clock/ClockPlacement.h"
#include "clock/ClockPositionRules.h"
#include "clock/ClockSizing.h"
#include "clock/MouseHideRule.h"
#include "support/TempDir.h"

namespace velmora {
namespace {

using test::TempDir;
using test::WriteBytes;

TEST(ClockSizingTest, WheelStepsKeepTheAspectAndTheMinimumHeight) {
    // Turned away from the user at height 140: 130, not 120.
    EXPECT_EQ(SizeAfterWheel({124, 140}, false), (PixelSize{115, 130}));
    EXPECT_EQ(SizeAfterWheel({115, 130}, false), (PixelSize{115, 130}));
    EXPECT_EQ(SizeAfterWheel({124, 140}, true), (PixelSize{142, 160}));
    EXPECT_EQ(SizeAfterWheel({200, 226}, true), (PixelSize{218, 246}));
}

TEST(ClockSizingTest, WheelDistancesMakeWholeNotches) {
    WheelNotches wheel;
    EXPECT_EQ(wheel.Add(120), 1);
    EXPECT_EQ(wheel.Add(-240), -2);
    EXPECT_EQ(wheel.Add(60), 0);
    EXPECT_EQ(wheel.Add(60), 1);
    EXPECT_EQ(wheel.Add(90), 0);
    EXPECT_EQ(wheel.Add(-60), 0);  // turning back drops the part notch
    EXPECT_EQ(wheel.Add(-60), -1);
}

TEST(ClockSizingTest, EdgeDragsApplyMinimumsThenTheAspect) {
    struct Case {
        PixelSize dragged;
        ResizeEdge edge;
        PixelSize expected;
    };
    const Case cases[] = {
        // Width raised to 100, then the height follows: 113 stands below 130.
        {{80, 226}, ResizeEdge::Right, {100, 113}},
        {{80, 90}, ResizeEdge::Left, {100, 113}},
        {{300, 100}, ResizeEdge::Left, {300, 339}},
        {{200, 100}, ResizeEdge::Bottom, {115, 130}},
        {{50, 400}, ResizeEdge::Top, {354, 400}},
        {{250, 226}, ResizeEdge::Right, {250, 282}},  // 282.5 goes to the even 282
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SizeAfterEdgeDrag(c.dragged, c.edge), c.expected)
            << c.dragged.width << "x" << c.dragged.height << " edge " << static_cast<int>(c.edge);
    }
}

TEST(ClockSizingTest, ZonesAtTheMiddleOfTheEdges) {
    struct Case {
        int x, y;
        ResizeEdge expected;
    };
    // 200 × 226: rows 98..128 for the side zones, columns 85..115 for the
    // top (y 0..20) and bottom (y 181..226) zones.
    const Case cases[] = {
        {0, 113, ResizeEdge::Left},     {40, 98, ResizeEdge::Left},
        {40, 128, ResizeEdge::Left},    {41, 113, ResizeEdge::None},
        {20, 97, ResizeEdge::None},     {20, 129, ResizeEdge::None},
        {160, 113, ResizeEdge::Right},  {200, 128, ResizeEdge::Right},
        {159, 113, ResizeEdge::None},   {85, 0, ResizeEdge::Top},
        {115, 20, ResizeEdge::Top},     {115, 21, ResizeEdge::None},
        {84, 10, ResizeEdge::None},     {100, 181, ResizeEdge::Bottom},
        {100, 226, ResizeEdge::Bottom}, {100, 180, ResizeEdge::None},
        {116, 200, ResizeEdge::None},   {100, 113, ResizeEdge::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ResizeZoneAt(c.x, c.y, 200, 226), c.expected) << c.x << "," << c.y;
    }
}

TEST(ClockSizingTest, LaterZonesWinWhereTheyOverlap) {
    // On a 20 × 20 window the zones overlap; they are tested left, right,
    // top, bottom.
    EXPECT_EQ(ResizeZoneAt(2, 2, 20, 20), ResizeEdge::Top);
    EXPECT_EQ(ResizeZoneAt(2, 18, 20, 20), ResizeEdge::Bottom);
    EXPECT_EQ(ResizeZoneAt(18, 10, 20, 20), ResizeEdge::Top);
}

TEST(ClockSizingTest, CursorsFollowTheZones) {
    EXPECT_EQ(CursorForZone(ResizeEdge::Left), ZoneCursor::Horizontal);
    EXPECT_EQ(CursorForZone(ResizeEdge::Right), ZoneCursor::Horizontal);
    EXPECT_EQ(CursorForZone(ResizeEdge::Top), ZoneCursor::Vertical);
    EXPECT_EQ(CursorForZone(ResizeEdge::Bottom), ZoneCursor::Vertical);
    EXPECT_EQ(CursorForZone(ResizeEdge::None), ZoneCursor::Arrow);
}

TEST(ClockSizingTest, OnlyAMoveCloseToTheButtonStartsADrag) {
    const PixelPoint origin{10, 10};
    EXPECT_TRUE(DragStartsMove(origin, {12, 12}));
    EXPECT_TRUE(DragStartsMove(origin, {13, 10}));
    EXPECT_TRUE(DragStartsMove(origin, {10, 40}));
    EXPECT_FALSE(DragStartsMove(origin, {13, 13}));
    EXPECT_FALSE(DragStartsMove(origin, {7, 7}));
}

TEST(ClockSizingTest, EdgeDragsMoveOnlyTheirEdge) {
    const PixelRect start{100, 100, 200, 226};
    EXPECT_EQ(RectDuringEdgeDrag(start, ResizeEdge::Left, 30, 9), (PixelRect{130, 100, 170, 226}));
    EXPECT_EQ(RectDuringEdgeDrag(start, ResizeEdge::Right, 30, 9), (PixelRect{100, 100, 230, 226}));
    EXPECT_EQ(RectDuringEdgeDrag(start, ResizeEdge::Top, 9, -20), (PixelRect{100, 80, 200, 246}));
    EXPECT_EQ(RectDuringEdgeDrag(start, ResizeEdge::Bottom, 9, 20),
              (PixelRect{100, 100, 200, 246}));
    EXPECT_EQ(RectDuringEdgeDrag(start, ResizeEdge::Right, -250, 0), (PixelRect{100, 100, 1, 226}));
}

TEST(ClockSizingTest, WindowRectIncludesItsFarEdges) {
    const PixelRect window{10, 10, 200, 226};
    EXPECT_TRUE(InsideWindowRect(window, {10, 10}));
    EXPECT_TRUE(InsideWindowRect(window, {210, 236}));
    EXPECT_FALSE(InsideWindowRect(window, {211, 100}));
    EXPECT_FALSE(InsideWindowRect(window, {100, 9}));
}

MouseHideInputs HideInputs(PixelPoint cursor, bool visible) {
    MouseHideInputs in;
    in.MenuOnMouseHide = true;
    in.Window = {100, 100, 300, 300};  // central ninth: 200..300 in x and y
    in.Cursor = cursor;
    in.WindowVisible = visible;
    return in;
}

TEST(MouseHideRuleTest, RimHidesCentreAndOutsideShow) {
    struct Case {
        PixelPoint cursor;
        bool visible;
        MouseHideAction expected;
    };
    const Case cases[] = {
        {{50, 50}, false, MouseHideAction::Show},   {{50, 50}, true, MouseHideAction::None},
        {{401, 250}, false, MouseHideAction::Show}, {{110, 110}, true, MouseHideAction::Hide},
        {{400, 400}, true, MouseHideAction::Hide},  {{110, 110}, false, MouseHideAction::None},
        {{250, 250}, false, MouseHideAction::Show}, {{250, 250}, true, MouseHideAction::None},
        {{200, 200}, false, MouseHideAction::Show}, {{300, 300}, false, MouseHideAction::Show},
        {{199, 250}, true, MouseHideAction::Hide},  {{250, 301}, true, MouseHideAction::Hide},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecideMouseHide(HideInputs(c.cursor, c.visible)), c.expected)
            << c.cursor.x << "," << c.cursor.y << (c.visible ? " visible" : " hidden");
    }
}

TEST(MouseHideRuleTest, PointerTravellingOverTheClock) {
    // From outside onto the rim hides it, on to the centre shows it again;
    // with Ctrl held the rim leaves it alone.
    MouseHideInputs in = HideInputs({50, 50}, true);
    EXPECT_EQ(DecideMouseHide(in), MouseHideAction::None);
    in.Cursor = {120, 130};
    ASSERT_EQ(DecideMouseHide(in), MouseHideAction::Hide);
    in.WindowVisible = false;
    in.Cursor = {250, 240};
    ASSERT_EQ(DecideMouseHide(in), MouseHideAction::Show);
    in.WindowVisible = true;
    in.CtrlDown = true;
    in.Cursor = {120, 130};
    EXPECT_EQ(DecideMouseHide(in), MouseHideAction::None);
}

TEST(MouseHideRuleTest, StaysOutOfTheWay) {
    const PixelPoint rim{110, 110};
    const PixelPoint outside{50, 50};
    MouseHideInputs in = HideInputs(rim, true);
    in.HideAllowed = false;  // being moved, or its menu is open
    EXPECT_EQ(DecideMouseHide(in), MouseHideAction::None);
    in = HideInputs(outside, false);
    in.DialogVisible = true;
    EXPECT_EQ(DecideMouseHide(in), MouseHideAction::None);
    for (int flag = 0; flag < 4; ++flag) {
        for (const PixelPoint p : {rim, outside}) {
            in = HideInputs(p, p == rim);
            in.Ringing = flag == 0;
            in.MenuOnMouseHide = flag != 1;
            in.MessageShowing = flag == 2;
            in.MenuShowClock = flag != 3;
            EXPECT_EQ(DecideMouseHide(in), MouseHideAction::None) << flag;
        }
    }
}

TEST(ClockPlacementTest, FirstShowing) {
    const PixelSize screen{1920, 1080};
    const PixelSize dial{200, 226};
    // No settings file: centred and written.
    Placement p = FirstShowPlacement(false, {300, 5, 5}, dial, screen);
    EXPECT_EQ(p.Rect, (PixelRect{860, 427, 200, 226}));
    EXPECT_TRUE(p.Save);
    // Stored size and place.
    p = FirstShowPlacement(true, {300, 50, 60}, dial, screen);
    EXPECT_EQ(p.Rect, (PixelRect{50, 60, 300, 339}));
    EXPECT_FALSE(p.Save);
    // Nothing stored: the dial's size, centred, nothing written.
    p = FirstShowPlacement(true, {}, dial, screen);
    EXPECT_EQ(p.Rect, (PixelRect{860, 427, 200, 226}));
    EXPECT_FALSE(p.Save);
    // Left = 1915 on a screen 1920 wide: centred and written back.
    p = FirstShowPlacement(true, {200, 1915, 60}, dial, screen);
    EXPECT_EQ(p.Rect, (PixelRect{860, 427, 200, 226}));
    EXPECT_TRUE(p.Save);
    p = FirstShowPlacement(true, {200, 1909, 1069}, dial, screen);
    EXPECT_EQ(p.Rect, (PixelRect{1909, 1069, 200, 226}));
    EXPECT_FALSE(p.Save);
    p = FirstShowPlacement(true, {400, 10, 1070}, dial, screen);
    EXPECT_EQ(p.Rect, (PixelRect{760, 314, 400, 452}));
    EXPECT_TRUE(p.Save);
}

TEST(ClockPlacementTest, DamagedWidthStillGivesAUsableClock) {
    const Placement p = FirstShowPlacement(true, {0, 10, 10}, {200, 226}, {1920, 1080});
    EXPECT_EQ(p.Rect, (PixelRect{10, 10, 100, 113}));
    EXPECT_EQ(NormalPlacement({-40, 10, 10}, {1920, 1080}), (PixelRect{10, 10, 100, 113}));
}

TEST(ClockPlacementTest, CentringRoundsTowardZero) {
    EXPECT_EQ(CentredOn({99, 100}, {200, 226}), (PixelPoint{-50, -63}));
    EXPECT_EQ(CentredOn({1921, 1081}, {200, 226}), (PixelPoint{860, 427}));
}

TEST(ClockPlacementTest, NormalAndRingingPlaces) {
    EXPECT_EQ(NormalPlacement({}, {1920, 1080}), (PixelRect{860, 427, 200, 226}));
    EXPECT_EQ(NormalPlacement({250, std::nullopt, 7}, {1920, 1080}), (PixelRect{835, 7, 250, 282}));
    EXPECT_EQ(RingingPlacement({1920, 1080}), (PixelRect{721, 270, 478, 540}));
    EXPECT_EQ(RingingPlacement({1366, 768}), (PixelRect{513, 192, 340, 384}));
}

TEST(ClockPlacementTest, StoredGeometryRoundTrip) {
    TempDir dir;
    IniFile ini(dir.File("Settei.ini"));
    WriteBytes(ini.Path(), "[Clock]\r\nWidth=abc\r\nHeight=500\r\nTop=-20\r\n");
    StoredClockGeometry stored = ReadStoredClockGeometry(ini);
    EXPECT_FALSE(stored.Width);
    EXPECT_FALSE(stored.Left);
    EXPECT_EQ(stored.Top, -20);
    ASSERT_TRUE(SaveClockGeometry(ini, {-30, 40, 250, 283}));
    stored = ReadStoredClockGeometry(ini);
    EXPECT_EQ(stored.Width, 250);
    EXPECT_EQ(stored.Left, -30);
    EXPECT_EQ(stored.Top, 40);
    EXPECT_EQ(ini.ReadInteger("Clock", "Height", 0), 500);  // the height is never written
}

TEST(ClockPositionRulesTest, RememberedPositionForOneResolution) {
    ClockPosition position{true, 1920, 1080, 10, 20};
    EXPECT_TRUE(RememberedPositionApplies(position, {1920, 1080}));
    EXPECT_FALSE(RememberedPositionApplies(position, {1080, 1920}));
    position.Set = false;
    EXPECT_FALSE(RememberedPositionApplies(position, {1920, 1080}));
    EXPECT_EQ(PositionQuestionText({1920, 1080}),
              "現在の画面解像度(1920x1080)になったら\n時計をこの位置にしますか？");
    EXPECT_EQ(ClockPositionMenuCaption({1366, 768}),
              "現在の画面解像度(1366x768)になったら時計を現在の位置にする(&P)");

    TempDir dir;
    IniFile ini(dir.File("Settei.ini"));
    ASSERT_TRUE(WriteRememberedPosition(ini, {-5, 700}));
    EXPECT_EQ(ini.ReadInteger("ClockPosition", "X", 0), -5);
    EXPECT_EQ(ini.ReadInteger("ClockPosition", "Y", 0), 700);
    EXPECT_FALSE(ini.ValueExists("ClockPosition", "Set"));
}

TEST(ClockPositionRulesTest, ResolutionChanges) {
    EXPECT_TRUE(DisplayChangeAccepted({1920, 1080}, true));
    EXPECT_FALSE(DisplayChangeAccepted({0, 1080}, true));
    EXPECT_FALSE(DisplayChangeAccepted({1920, 0}, true));
    EXPECT_FALSE(DisplayChangeAccepted({1920, 1080}, false));

    const ClockPosition stored{true, 1920, 1080, 10, 20};
    DisplayChangeOutcome out = SettleDisplayChange(stored, {1920, 1080});
    ASSERT_TRUE(out.MoveTo);
    EXPECT_EQ(*out.MoveTo, (PixelPoint{10, 20}));
    EXPECT_EQ(out.Menu, (ClockPositionMenuUpdate{true, true, std::nullopt}));

    out = SettleDisplayChange(stored, {1280, 1024});
    EXPECT_FALSE(out.MoveTo);
    EXPECT_EQ(out.Menu, (ClockPositionMenuUpdate{std::nullopt, false, std::nullopt}));

    out = SettleDisplayChange({false, 1920, 1080, 10, 20}, {1280, 1024});
    EXPECT_FALSE(out.MoveTo);
    EXPECT_EQ(out.Menu, (ClockPositionMenuUpdate{
                            std::nullopt, true,
                            "現在の画面解像度(1280x1024)になったら時計を現在の位置にする(&P)"}));
}

TEST(ClockHintsTest, Texts) {
    const std::string help = HelpHint();
    EXPECT_EQ(std::count(help.begin(), help.end(), '\n'), 5);
    const std::string last = "\nCtrlキーを押しながら操作すると時計は消えません。";
    EXPECT_EQ(help.substr(help.size() - last.size()), last);
    EXPECT_EQ(CreationHint(), "ALARM OFF\n..........\n" + help);
    const auto memo = DialogHintFor("MemoAlarmWord");
    ASSERT_TRUE(memo);
    EXPECT_NE(memo->find("'*'"), std::string::npos);
    for (const char* name :
         {"BtnAlarmMusic", "ComboBoxAlarmMusic", "BtnAddBeforeAlarmSpeakSound",
          "ComboBoxBeforeAlarmSpeakSound", "BtnAddBeforeJihoSound", "ComboBoxBeforeJihoSound"}) {
        const auto hint = DialogHintFor(name);
        ASSERT_TRUE(hint) << name;
        EXPECT_NE(hint->find("[Delete]キーを押してください。"), std::string::npos) << name;
    }
    EXPECT_FALSE(DialogHintFor("BtnOK"));
    EXPECT_FALSE(DialogHintFor(""));
}

}  // namespace
}  // namespace velmora
