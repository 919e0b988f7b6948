#include "dialog/NoAlarmMonthDays.h"

#include "dialog/DayList.h"

namespace velmora {

std::string MonthDaysText(const Settings& live, int month) {
    return JoinDays(live.NoAlarmMonthDay[static_cast<size_t>(month)]);
}

bool StoreMonthDays(Settings& live, int month, std::string_view text) {
    const auto days = ParseDayList(text);
    if (!days) {
        return false;
    }
    auto& flags = live.NoAlarmMonthDay[static_cast<size_t>(month)];
    flags.fill(false);
    for (const int day : *days) {
        flags[static_cast<size_t>(day)] = true;
    }
    return true;
}

}  // namespace velmora
