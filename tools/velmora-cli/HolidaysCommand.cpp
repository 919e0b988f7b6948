#include <charconv>
#include <cstdio>

#include "CliCommands.h"
#include "schedule/HolidayCalendar.h"

namespace velmora::cli {

int RunHolidays(Args args, Io io) {
    int year = 0;
    const std::string text = args.size() == 1 ? args[0] : std::string();
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), year);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || year < 1 ||
        year > 9999) {
        return Fail(io, "usage: velmora-cli holidays YEAR (1..9999)", kUsage);
    }
    const HolidayCalendar calendar;
    std::string name;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= DaysInMonth(year, month); ++day) {
            if (calendar.IsHoliday({year, month, day}, name)) {
                char date[40];
                std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, month, day);
                io.out << date << ' ' << name << '\n';
            }
        }
    }
    return kOk;
}

}  // namespace velmora::cli
