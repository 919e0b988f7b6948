#pragma once

#include "base/DateTime.h"

namespace velmora {

// The wall clock of one tick, decoded once and handed to the drawing: the
// clock window never reads the time itself.
struct ClockTime {
    int Hour = 0;  // 0..23
    int Minute = 0;
    int Second = 0;
    int Millisecond = 0;
    int Year = 1899;
    int Month = 12;
    int Day = 30;
    int Weekday = 6;  // 0 = Sunday .. 6 = Saturday
    friend bool operator==(const ClockTime&, const ClockTime&) = default;
};

ClockTime ClockTimeAt(DateTime moment);

// Whether the two show different dates on the dial.
bool DateDiffers(const ClockTime& a, const ClockTime& b);

}  // namespace velmora
