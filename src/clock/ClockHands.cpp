#include "clock/ClockHands.h"

#include "clock/ClockMath.h"

namespace velmora {

long long HourHandAngle(int hour, int minute) {
    const int h = hour <= 12 ? hour : hour - 12;
    return static_cast<long long>(h) * 30'000 + static_cast<long long>(minute) * 500;
}

long long MinuteHandAngle(int minute, int second) {
    return static_cast<long long>(minute) * 6'000 + static_cast<long long>(second) * 100;
}

long long SecondHandAngle(int second, int millisecond) {
    return (static_cast<long long>(second) * 1000 + millisecond) * 6;
}

PixelPoint HandEnd(const ClockLayout& layout, long long milliDegrees, int length) {
    return {RoundHalfEven(SinMilliDegrees(milliDegrees) * length) + layout.CentreX,
            layout.CentreY - RoundHalfEven(CosMilliDegrees(milliDegrees) * length)};
}

ClockHands ComputeClockHands(const ClockLayout& layout, const ClockTime& time) {
    ClockHands hands;
    hands.Centre = {layout.CentreX, layout.CentreY};
    hands.HourEnd = HandEnd(layout, HourHandAngle(time.Hour, time.Minute), layout.HourHandLength);
    hands.MinuteEnd =
        HandEnd(layout, MinuteHandAngle(time.Minute, time.Second), layout.MinuteHandLength);
    hands.SecondEnd =
        HandEnd(layout, SecondHandAngle(time.Second, time.Millisecond), layout.MinuteHandLength);
    hands.SecondTail = {layout.CentreX + (layout.CentreX - hands.SecondEnd.x) / 5,
                        layout.CentreY + (layout.CentreY - hands.SecondEnd.y) / 5};
    hands.HandPen = HandPenWidth(layout.Width);
    hands.SecondPen = SecondPenWidth(layout.Width);
    hands.Dot = {layout.CentreX - layout.DotRadius, layout.CentreY - layout.DotRadius,
                 2 * layout.DotRadius, 2 * layout.DotRadius};
    return hands;
}

}  // namespace velmora
