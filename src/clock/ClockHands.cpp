#include "clock/ClockHands.h"

#include <algorithm>
#include <cstdlib>

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

namespace {

// The box around a line of the given pen between two pixels.
PixelRect LineBox(PixelPoint a, PixelPoint b, int pen) {
    const int margin = pen / 2 + 2;
    const int left = std::min(a.x, b.x) - margin;
    const int top = std::min(a.y, b.y) - margin;
    return {left, top, std::abs(a.x - b.x) + 1 + 2 * margin, std::abs(a.y - b.y) + 1 + 2 * margin};
}

void AddMoved(std::vector<PixelRect>& areas, PixelPoint centre, PixelPoint before, PixelPoint after,
              int pen) {
    if (before == after) {
        return;
    }
    areas.push_back(LineBox(centre, before, pen));
    areas.push_back(LineBox(centre, after, pen));
}

}  // namespace

std::vector<PixelRect> MovedHandAreas(const ClockLayout& layout, const ClockTime& before,
                                      const ClockTime& after) {
    const ClockHands was = ComputeClockHands(layout, before);
    const ClockHands is = ComputeClockHands(layout, after);
    std::vector<PixelRect> areas;
    AddMoved(areas, is.Centre, was.HourEnd, is.HourEnd, is.HandPen);
    AddMoved(areas, is.Centre, was.MinuteEnd, is.MinuteEnd, is.HandPen);
    AddMoved(areas, is.Centre, was.SecondEnd, is.SecondEnd, is.SecondPen);
    AddMoved(areas, is.Centre, was.SecondTail, is.SecondTail, is.SecondPen);
    return areas;
}

}  // namespace velmora
