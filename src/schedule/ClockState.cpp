#include "schedule/ClockState.h"

namespace velmora {

NowParts DecodeNowParts(DateTime now) {
    const CivilDate date = DecodeDate(now);
    const TimeOfDay time = DecodeTime(now);
    const auto u16 = [](int value) { return static_cast<std::uint16_t>(value); };
    NowParts parts;
    parts.Hour = u16(time.hour);
    parts.Minute = u16(time.minute);
    parts.Second = u16(time.second);
    parts.Millisecond = u16(time.msec);
    parts.Year = u16(date.year);
    parts.Month = u16(date.month);
    parts.Day = u16(date.day);
    parts.Weekday = u16(DayOfWeek(now));
    return parts;
}

}  // namespace velmora
