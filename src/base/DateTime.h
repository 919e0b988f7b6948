#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// A moment as a day count with the time of day as its fraction; day 0 is
// 1899/12/30. The settings file stores this form, and minutes or seconds are
// added as n / 1440 and n / 86400 of a day, so the whole program speaks it.
using DateTime = double;

inline constexpr double kMinutesPerDay = 1440.0;
inline constexpr double kSecondsPerDay = 86400.0;
inline constexpr long long kMsPerDay = 86'400'000;

struct CivilDate {
    int year = 1899;
    int month = 12;
    int day = 30;
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int msec = 0;
    friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
bool IsValidDate(int year, int month, int day);

namespace detail {
// Days since 1970-01-01 of a proleptic Gregorian date (days-from-civil).
constexpr long long DaysFromCivil(int y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long mp = (m + 9) % 12;
    const long long doy = (153 * mp + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}
inline constexpr long long kEpochOffset = DaysFromCivil(1899, 12, 30);
}  // namespace detail

// Encoders expect valid fields (check with IsValidDate first when in doubt).
// constexpr so that constants built from dates never depend on the order in
// which globals are initialised.
constexpr DateTime EncodeDate(int year, int month, int day) {
    return static_cast<double>(detail::DaysFromCivil(year, month, day) - detail::kEpochOffset);
}
DateTime EncodeTime(int hour, int minute, int second, int msec = 0);
DateTime EncodeDateTime(const CivilDate& date, const TimeOfDay& time);

// Decoding rounds to the nearest millisecond first, so 7:00 stored as
// 0.29166666... never decodes as 6:59:59.999.
CivilDate DecodeDate(DateTime t);
TimeOfDay DecodeTime(DateTime t);

// The whole days of t (the date at midnight) and the time-of-day fraction.
DateTime DateOf(DateTime t);
DateTime TimeOf(DateTime t);

// 0 = Sunday .. 6 = Saturday.
int DayOfWeek(DateTime t);

// "yyyy/mm/dd h:nn:ss", or "yyyy/mm/dd" alone when the time is exactly midnight.
std::string FormatDateTime(DateTime t);
// "yyyy/mm/dd hh:nn:ss", always with the time and a two-digit hour.
std::string FormatDateTimeFull(DateTime t);
// Accepts "yyyy/mm/dd" optionally followed by a blank and "h:nn" or "h:nn:ss".
std::optional<DateTime> ParseDateTime(std::string_view text);

// Two moments less than a millisecond apart are the same moment.
bool SameMoment(DateTime a, DateTime b);

}  // namespace velmora
