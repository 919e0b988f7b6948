#pragma once

#include <vector>

#include "clock/ClockLayout.h"
#include "clock/ClockTime.h"
#include "clock/PixelGeometry.h"

namespace velmora {

// Hand angles in thousandths of a degree, clockwise from twelve o'clock.
// Hours past 12 count from 0; hour 12 itself is 360°, hour 0 is 0°, which
// point the same way.
long long HourHandAngle(int hour, int minute);
long long MinuteHandAngle(int minute, int second);
long long SecondHandAngle(int second, int millisecond);

// The end of a hand of the given length from the centre.
PixelPoint HandEnd(const ClockLayout& layout, long long milliDegrees, int length);

// Everything the hand layer draws apart from the date.
struct ClockHands {
    PixelPoint Centre;
    PixelPoint HourEnd;
    PixelPoint MinuteEnd;
    PixelPoint SecondEnd;
    PixelPoint SecondTail;  // the short stub opposite the second hand
    int HandPen = 0;
    int SecondPen = 0;
    PixelRect Dot;  // bounding box of the centre dot
    friend bool operator==(const ClockHands&, const ClockHands&) = default;
};

ClockHands ComputeClockHands(const ClockLayout& layout, const ClockTime& time);

// The areas to redraw when the hands move from one time to the next: the
// old and the new place of every hand that moved, each with room for its
// pen, round end and smoothing. Empty when nothing moved.
std::vector<PixelRect> MovedHandAreas(const ClockLayout& layout, const ClockTime& before,
                                      const ClockTime& after);

}  // namespace velmora
