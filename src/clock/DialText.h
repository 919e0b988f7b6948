#pragma once

#include <string>

#include "clock/ClockTime.h"
#include "clock/PixelGeometry.h"

namespace velmora {

// Numeral r (0..11) of the dial: "12" at r = 0, else the decimal r.
std::string DialNumeralText(int r);
// Whether numeral r is centred by the half size of "10" (the two-digit
// numerals) rather than that of "0".
bool DialNumeralIsWide(int r);
// Top-left corner, in dial design coordinates, of numeral r whose half width
// and half height (integer halves of the measured text) are given.
PixelPoint DialNumeralTopLeft(int r, int halfWidth, int halfHeight);

// "(日)" for Sunday (0) .. "(土)" for Saturday (6).
std::string WeekdayMark(int weekday);
// Month/day with the weekday mark, no leading zeros: "5/3(土)".
std::string DateText(const ClockTime& time);
// The time to the minute as a screen reader gives the clock's name:
// "午前7時15分", "午後0時" at noon, "午前0時5分" just after midnight.
std::string SpokenTimeText(const ClockTime& time);
// The alarm's state beside it, from the label on the dial ("ALARM ON",
// "ALARM OFF", "SNOOZE") and whether the alarm is ringing.
std::string AlarmStateText(const std::string& alarmLabel, bool ringing);
// Where the date of the given measured width is drawn in a W × H window.
PixelPoint DateTextTopLeft(int width, int height, int centreY, int textWidth);

}  // namespace velmora
