#pragma once

#include <optional>
#include <string>

#include "base/DateTime.h"

namespace velmora {

// The Japanese holiday law as a fixed rule table: statutory holidays,
// substitute holidays ("振替休日") and citizens' holidays ("国民の休日").
// Every answer is computed from the date alone. A newer published list can
// override whole years; see HolidayCalendar.

// Weekday numbers in this file run 1 = Sunday .. 7 = Saturday.
inline constexpr int kSunday = 1;
inline constexpr int kMonday = 2;

// The N-th (1..5) weekday W (1..7) of the month; nullopt when the month has
// no such day or an argument is out of range.
std::optional<CivilDate> NthWeekdayOfMonth(int year, int month, int n, int weekday);

// Leap years Y with first <= Y <= last; 0 when last < first.
int CountLeapYears(int first, int last);

// The equinox days by the usual linear approximation, valid far beyond the
// years the law has existed (March 19..21 and September 22..24 up to 2299).
CivilDate VernalEquinoxDay(int year);
CivilDate AutumnalEquinoxDay(int year);

// Whether the date is a statutory holiday; `name` gets its name, or is
// cleared. Knows nothing of substitute or citizens' holidays.
bool IsNationalHoliday(const CivilDate& date, std::string& name);

// Whether the date is a day off by the rules; `name` gets its name, or is
// cleared.
bool IsHoliday(const CivilDate& date, std::string& name);

}  // namespace velmora
