#include <gtest/gtest.h>

#include "clock/ClockHands.h"
#include "clock/ClockLayout.h"
#include "clock/ClockMath.h"
#include "clock/DialText.h"

namespace velmora {
namespace {

ClockTime At(int hour, int minute, int second, int ms = 0) {
    ClockTime t;
    t.Hour = hour;
    t.Minute = minute;
    t.Second = second;
    t.Millisecond = ms;
    return t;
}

TEST(ClockMathTest, RoundsHalfToEven) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(48.75), 49);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(-2.6), -3);
    EXPECT_EQ(RoundRatio(5, 2), 2);
    EXPECT_EQ(RoundRatio(7, 2), 4);
    EXPECT_EQ(RoundRatio(-5, 2), -2);
    EXPECT_EQ(RoundRatio(-7, 2), -4);
    EXPECT_EQ(RoundRatio(339 * 115, 226), 172);  // 172.5
}

TEST(ClockMathTest, SinesOfThirtyDegreeStepsAreExact) {
    EXPECT_EQ(SinMilliDegrees(30'000), 0.5);
    EXPECT_EQ(CosMilliDegrees(60'000), 0.5);
    EXPECT_EQ(CosMilliDegrees(120'000), -0.5);
    EXPECT_EQ(SinMilliDegrees(210'000), -0.5);
    EXPECT_EQ(SinMilliDegrees(360'000), 0.0);
    EXPECT_EQ(CosMilliDegrees(360'000), 1.0);
    EXPECT_EQ(SinMilliDegrees(-90'000), -1.0);
    EXPECT_NEAR(SinMilliDegrees(60'000), 0.8660254037844386, 1e-15);
    EXPECT_NEAR(SinMilliDegrees(75'600), 0.968583161128631, 1e-12);
}

TEST(ClockMathTest, PointsAreSizedAtNinetySixPixelsPerInch) {
    EXPECT_EQ(PointsToPixels(12), 16);
    EXPECT_EQ(PointsToPixels(14), 19);
    EXPECT_EQ(PointsToPixels(9), 12);
}

TEST(ClockLayoutTest, FollowsTheWindowSize) {
    struct Case {
        int w, h;
        ClockLayout expected;
    };
    const Case cases[] = {
        {200, 226, {200, 226, 100, 115, 65, 49, 5}},  // HourHandLength round(48.75)
        {150, 170, {150, 170, 75, 87, 49, 37, 4}},    // DotRadius round(3.75)
        {100, 113, {100, 113, 50, 58, 32, 24, 2}},    // 57.5 -> 58, 32.5 -> 32, 2.5 -> 2
        {300, 339, {300, 339, 150, 172, 98, 74, 8}},  // 172.5 -> 172, 97.5 -> 98, 73.5 -> 74
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ComputeClockLayout(c.w, c.h), c.expected) << c.w << "x" << c.h;
    }
}

TEST(ClockLayoutTest, PensFollowTheWidth) {
    EXPECT_EQ(HandPenWidth(150), 5);
    EXPECT_EQ(SecondPenWidth(150), 2);
    EXPECT_EQ(HandPenWidth(200), 6);
    EXPECT_EQ(SecondPenWidth(200), 3);
    EXPECT_EQ(HandPenWidth(119), 3);
    EXPECT_EQ(SecondPenWidth(119), 1);
}

TEST(ClockLayoutTest, StopButtonSitsAtTheTopCentre) {
    EXPECT_EQ(StopButtonBox(200, 226), (PixelRect{75, 0, 50, 25}));
    EXPECT_EQ(StopButtonBox(400, 452), (PixelRect{150, 0, 100, 50}));
    // 37.5 rounds to 38; (150 - 38) / 2 = 56.
    EXPECT_EQ(StopButtonBox(150, 170), (PixelRect{56, 0, 38, 19}));
    EXPECT_EQ(StopButtonBox(101, 114), (PixelRect{38, 0, 25, 13}));
}

TEST(ClockLayoutTest, AlarmLabelIsCentredAboveTheCentre) {
    EXPECT_EQ(SnoozeLabelPoints(200), 14);
    EXPECT_EQ(SnoozeLabelPoints(150), 10);  // 10.5 -> 10
    EXPECT_EQ(DateTextPoints(200), 12);
    const ClockLayout layout = ComputeClockLayout(200, 226);
    EXPECT_EQ(SnoozeLabelTopLeft(layout, {80, 19}), (PixelPoint{60, 91}));
    EXPECT_EQ(SnoozeLabelTopLeft(layout, {81, 19}), (PixelPoint{59, 91}));
    EXPECT_EQ(SnoozeLabelTopLeft(layout, {231, 19}), (PixelPoint{-15, 91}));  // toward zero
}

TEST(ClockHandsTest, TwelveAndMidnightPointStraightUp) {
    const ClockLayout layout = ComputeClockLayout(200, 226);
    for (const int hour : {0, 12}) {
        const ClockHands hands = ComputeClockHands(layout, At(hour, 0, 0));
        EXPECT_EQ(hands.HourEnd, (PixelPoint{100, 66})) << hour;
        EXPECT_EQ(hands.MinuteEnd, (PixelPoint{100, 50})) << hour;
        EXPECT_EQ(hands.SecondEnd, (PixelPoint{100, 50})) << hour;
        EXPECT_EQ(hands.SecondTail, (PixelPoint{100, 128})) << hour;
    }
    EXPECT_EQ(HourHandAngle(12, 0), 360'000);
    EXPECT_EQ(HourHandAngle(0, 0), 0);
    EXPECT_EQ(HourHandAngle(23, 59), 11 * 30'000 + 59 * 500);
}

TEST(ClockHandsTest, ThreeOClockAtTheDesignSize) {
    const ClockHands hands = ComputeClockHands(ComputeClockLayout(200, 226), At(3, 0, 0));
    EXPECT_EQ(hands.Centre, (PixelPoint{100, 115}));
    EXPECT_EQ(hands.HourEnd, (PixelPoint{149, 115}));
    EXPECT_EQ(hands.HandPen, 6);
    EXPECT_EQ(hands.SecondPen, 3);
    EXPECT_EQ(hands.Dot, (PixelRect{95, 110, 10, 10}));
}

TEST(ClockHandsTest, HalfPixelTiesGoToEven) {
    const ClockLayout layout = ComputeClockLayout(200, 226);
    // cos 60° × 49 = 24.5 exactly: 24, where floating-point noise gives 25.
    EXPECT_EQ(ComputeClockHands(layout, At(2, 0, 0)).HourEnd, (PixelPoint{142, 91}));
    // sin 30° × 65 = 32.5: 32 to the right, and 330° gives -32.5: -32.
    EXPECT_EQ(ComputeClockHands(layout, At(0, 5, 0)).MinuteEnd, (PixelPoint{132, 59}));
    EXPECT_EQ(ComputeClockHands(layout, At(0, 55, 0)).MinuteEnd, (PixelPoint{68, 59}));
}

TEST(ClockHandsTest, SecondHandTailRoundsTowardZero) {
    const ClockLayout layout = ComputeClockLayout(200, 226);
    // 12.6 s: 75.6°, end (163, 99); the tail is a fifth of (-63, 16), truncated.
    const ClockHands hands = ComputeClockHands(layout, At(10, 0, 12, 600));
    EXPECT_EQ(hands.SecondEnd, (PixelPoint{163, 99}));
    EXPECT_EQ(hands.SecondTail, (PixelPoint{88, 118}));
}

TEST(ClockHandsTest, HandsMoveInTheirSteps) {
    // The second hand moves 0.6° a tick, the minute hand every second, the
    // hour hand every minute.
    EXPECT_EQ(SecondHandAngle(0, 100) - SecondHandAngle(0, 0), 600);
    EXPECT_EQ(SecondHandAngle(59, 900), 359'400);
    EXPECT_EQ(MinuteHandAngle(0, 1) - MinuteHandAngle(0, 0), 100);
    EXPECT_EQ(MinuteHandAngle(59, 59), 359'900);
    EXPECT_EQ(HourHandAngle(1, 1) - HourHandAngle(1, 0), 500);
    EXPECT_EQ(HourHandAngle(13, 30), HourHandAngle(1, 30));
}

TEST(ClockHandsTest, SmallWindowPensAndDot) {
    const ClockHands hands = ComputeClockHands(ComputeClockLayout(150, 170), At(9, 0, 45));
    EXPECT_EQ(hands.HandPen, 5);
    EXPECT_EQ(hands.SecondPen, 2);
    EXPECT_EQ(hands.Dot, (PixelRect{71, 83, 8, 8}));
    EXPECT_EQ(hands.HourEnd, (PixelPoint{75 - 37, 87}));
    EXPECT_EQ(hands.SecondEnd, (PixelPoint{75 - 49, 87}));
}

TEST(ClockHandsTest, RedrawCoversTheOldAndNewPlaceOfMovedHandsOnly) {
    const ClockLayout layout = ComputeClockLayout(200, 226);
    EXPECT_TRUE(MovedHandAreas(layout, At(3, 0, 0), At(3, 0, 0)).empty());
    // 40 ms turn the second hand 0.24°: its end stays on the same pixel.
    EXPECT_TRUE(MovedHandAreas(layout, At(3, 0, 0, 0), At(3, 0, 0, 40)).empty());
    // From 0 s to 15 s only the second hand, its tail and the minute hand move.
    const auto areas = MovedHandAreas(layout, At(3, 0, 0), At(3, 0, 15));
    ASSERT_EQ(areas.size(), 6u);
    // The second hand at twelve: the column above the centre, pen 3 plus margin.
    EXPECT_EQ(areas[2], (PixelRect{97, 47, 7, 72}));
    // At three: the row to the right of the centre.
    EXPECT_EQ(areas[3], (PixelRect{97, 112, 72, 7}));
    const auto covers = [&](PixelPoint p) {
        for (const PixelRect& r : areas) {
            if (r.left <= p.x && p.x < r.left + r.width && r.top <= p.y && p.y < r.top + r.height) {
                return true;
            }
        }
        return false;
    };
    for (const PixelPoint p : {PixelPoint{100, 50}, PixelPoint{165, 115}, PixelPoint{100, 128},
                               PixelPoint{87, 115}, PixelPoint{103, 50}}) {
        EXPECT_TRUE(covers(p)) << p.x << "," << p.y;
    }
    EXPECT_FALSE(covers({149, 115 + 6}));  // the hour hand did not move
}

TEST(DialTextTest, NumeralsSitOnTheirCircle) {
    EXPECT_EQ(DialNumeralText(0), "12");
    EXPECT_EQ(DialNumeralText(7), "7");
    for (int r = 0; r < 12; ++r) {
        EXPECT_EQ(DialNumeralIsWide(r), r == 0 || r == 10 || r == 11) << r;
    }
    struct Case {
        int r, hw, hh;
        PixelPoint expected;
    };
    const Case cases[] = {
        {0, 9, 9, {91, 41}},  {1, 4, 9, {128, 50}}, {2, 4, 9, {152, 74}}, {3, 4, 9, {161, 106}},
        {6, 4, 9, {96, 171}}, {9, 4, 9, {31, 106}}, {10, 9, 9, {35, 74}}, {11, 9, 9, {59, 50}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DialNumeralTopLeft(c.r, c.hw, c.hh), c.expected) << c.r;
    }
}

// What a screen reader says for the clock: twelve-hour time after 午前 or
// 午後 (noon is 午後0時), whole hours without 分, and the alarm's state.
TEST(DialTextTest, SpokenTimeAndAlarmState) {
    const auto at = [](int hour, int minute) {
        return SpokenTimeText(
            ClockTimeAt(EncodeDate(2025, 5, 3) + EncodeTime(hour, minute, 30, 0)));
    };
    EXPECT_EQ(at(7, 15), "午前7時15分");
    EXPECT_EQ(at(0, 5), "午前0時5分");
    EXPECT_EQ(at(12, 0), "午後0時");
    EXPECT_EQ(at(23, 59), "午後11時59分");
    EXPECT_EQ(AlarmStateText("ALARM ON", false), "目覚ましオン");
    EXPECT_EQ(AlarmStateText("ALARM OFF", false), "目覚ましオフ");
    EXPECT_EQ(AlarmStateText("SNOOZE", false), "スヌーズ中");
    EXPECT_EQ(AlarmStateText("ALARM ON", true), "目覚ましが鳴っています");
}

TEST(DialTextTest, DateHasNoLeadingZerosAndTheWeekdayMark) {
    EXPECT_EQ(DateText(ClockTimeAt(EncodeDate(2025, 1, 1))), "1/1(水)");
    EXPECT_EQ(DateText(ClockTimeAt(EncodeDate(2025, 5, 3) + EncodeTime(23, 59, 59, 999))),
              "5/3(土)");
    EXPECT_EQ(DateText(ClockTimeAt(EncodeDate(2024, 12, 29))), "12/29(日)");
    const char* marks[] = {"(日)", "(月)", "(火)", "(水)", "(木)", "(金)", "(土)"};
    for (int d = 0; d < 7; ++d) {
        EXPECT_EQ(WeekdayMark(d), marks[d]);
        EXPECT_EQ(ClockTimeAt(EncodeDate(2024, 12, 29) + d).Weekday, d);
    }
}

TEST(DialTextTest, DateIsCentredBelowTheCentre) {
    EXPECT_EQ(DateTextTopLeft(200, 226, 115, 51), (PixelPoint{74, 147}));
    EXPECT_EQ(DateTextTopLeft(150, 170, 87, 40), (PixelPoint{55, 111}));
}

TEST(ClockTimeTest, DecodesTheTickMoment) {
    const ClockTime t = ClockTimeAt(EncodeDate(2025, 5, 3) + EncodeTime(7, 8, 9, 250));
    EXPECT_EQ(t, (ClockTime{7, 8, 9, 250, 2025, 5, 3, 6}));
}

}  // namespace
}  // namespace velmora
