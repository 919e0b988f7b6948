#include "clock/ClockTime.h"

namespace velmora {

ClockTime ClockTimeAt(DateTime moment) {
    const CivilDate date = DecodeDate(moment);
    const TimeOfDay time = DecodeTime(moment);
    ClockTime t;
    t.Hour = time.hour;
    t.Minute = time.minute;
    t.Second = time.second;
    t.Millisecond = time.msec;
    t.Year = date.year;
    t.Month = date.month;
    t.Day = date.day;
    t.Weekday = DayOfWeek(moment);
    return t;
}

bool DateDiffers(const ClockTime& a, const ClockTime& b) {
    return a.Day != b.Day || a.Month != b.Month || a.Weekday != b.Weekday;
}

}  // namespace velmora
