#pragma once

#include <string>
#include <string_view>

#include "settings/Settings.h"

namespace velmora {

// The no-alarm days of `month` (1..12) in the live record, as the dialog's
// 日 field shows them.
std::string MonthDaysText(const Settings& live, int month);

// Makes the month's no-alarm days in the live record exactly the typed
// ones (an empty text clears them all). An unacceptable list changes
// nothing and gives false.
bool StoreMonthDays(Settings& live, int month, std::string_view text);

}  // namespace velmora
