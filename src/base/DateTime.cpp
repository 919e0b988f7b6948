#include "base/DateTime.h"

#include <cmath>
#include <cstdio>

#include "base/TextUtil.h"

namespace velmora {
namespace {

CivilDate CivilFromDays(long long z) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const long long d = doy - (153 * mp + 2) / 5 + 1;
    const long long m = mp < 10 ? mp + 3 : mp - 9;
    const long long y = yoe + era * 400 + (m <= 2 ? 1 : 0);
    return {static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
}

using detail::kEpochOffset;

// Total milliseconds since 1899/12/30 00:00, rounded.
long long TotalMs(DateTime t) {
    return std::llround(t * static_cast<double>(kMsPerDay));
}

long long FloorDiv(long long a, long long b) {
    long long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) {
        --q;
    }
    return q;
}

}  // namespace

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, month);
}

DateTime EncodeTime(int hour, int minute, int second, int msec) {
    const long long ms = ((hour * 60LL + minute) * 60LL + second) * 1000LL + msec;
    return static_cast<double>(ms) / static_cast<double>(kMsPerDay);
}

DateTime EncodeDateTime(const CivilDate& date, const TimeOfDay& time) {
    return EncodeDate(date.year, date.month, date.day) +
           EncodeTime(time.hour, time.minute, time.second, time.msec);
}

CivilDate DecodeDate(DateTime t) {
    return CivilFromDays(FloorDiv(TotalMs(t), kMsPerDay) + kEpochOffset);
}

TimeOfDay DecodeTime(DateTime t) {
    const long long total = TotalMs(t);
    const long long ms = total - FloorDiv(total, kMsPerDay) * kMsPerDay;
    return {static_cast<int>(ms / 3'600'000), static_cast<int>(ms / 60'000 % 60),
            static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000)};
}

DateTime DateOf(DateTime t) {
    return static_cast<double>(FloorDiv(TotalMs(t), kMsPerDay));
}

DateTime TimeOf(DateTime t) {
    const long long total = TotalMs(t);
    return static_cast<double>(total - FloorDiv(total, kMsPerDay) * kMsPerDay) /
           static_cast<double>(kMsPerDay);
}

int DayOfWeek(DateTime t) {
    // 1899/12/30 was a Saturday.
    const long long days = FloorDiv(TotalMs(t), kMsPerDay);
    return static_cast<int>(((days + 6) % 7 + 7) % 7);
}

std::string FormatDateTime(DateTime t) {
    const CivilDate d = DecodeDate(t);
    const TimeOfDay tm = DecodeTime(t);
    char buf[40];
    if (tm.hour == 0 && tm.minute == 0 && tm.second == 0) {
        std::snprintf(buf, sizeof buf, "%04d/%02d/%02d", d.year, d.month, d.day);
    } else {
        std::snprintf(buf, sizeof buf, "%04d/%02d/%02d %d:%02d:%02d", d.year, d.month, d.day,
                      tm.hour, tm.minute, tm.second);
    }
    return buf;
}

std::string FormatDateTimeFull(DateTime t) {
    const CivilDate d = DecodeDate(t);
    const TimeOfDay tm = DecodeTime(t);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d/%02d/%02d %02d:%02d:%02d", d.year, d.month, d.day, tm.hour,
                  tm.minute, tm.second);
    return buf;
}

namespace {

// Reads 1..maxDigits decimal digits at text[pos]; advances pos.
std::optional<int> ReadNumber(std::string_view text, size_t& pos, size_t maxDigits) {
    const size_t start = pos;
    int value = 0;
    while (pos < text.size() && pos - start < maxDigits && IsAsciiDigit(text[pos])) {
        value = value * 10 + (text[pos] - '0');
        ++pos;
    }
    if (pos == start) {
        return std::nullopt;
    }
    return value;
}

bool Expect(std::string_view text, size_t& pos, char c) {
    if (pos < text.size() && text[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

}  // namespace

std::optional<DateTime> ParseDateTime(std::string_view text) {
    text = Trim(text);
    size_t pos = 0;
    const auto year = ReadNumber(text, pos, 4);
    if (!year || !Expect(text, pos, '/')) {
        return std::nullopt;
    }
    const auto month = ReadNumber(text, pos, 2);
    if (!month || !Expect(text, pos, '/')) {
        return std::nullopt;
    }
    const auto day = ReadNumber(text, pos, 2);
    if (!day || !IsValidDate(*year, *month, *day)) {
        return std::nullopt;
    }
    DateTime result = EncodeDate(*year, *month, *day);
    if (pos == text.size()) {
        return result;
    }
    if (!Expect(text, pos, ' ')) {
        return std::nullopt;
    }
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    const auto hour = ReadNumber(text, pos, 2);
    if (!hour || !Expect(text, pos, ':')) {
        return std::nullopt;
    }
    const auto minute = ReadNumber(text, pos, 2);
    if (!minute) {
        return std::nullopt;
    }
    std::optional<int> second = 0;
    if (Expect(text, pos, ':')) {
        second = ReadNumber(text, pos, 2);
        if (!second) {
            return std::nullopt;
        }
    }
    if (pos != text.size() || *hour > 23 || *minute > 59 || *second > 59) {
        return std::nullopt;
    }
    return result + EncodeTime(*hour, *minute, *second);
}

bool SameMoment(DateTime a, DateTime b) {
    return std::fabs(a - b) * static_cast<double>(kMsPerDay) < 1.0;
}

}  // namespace velmora
