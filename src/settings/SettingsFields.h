#pragma once

#include <string>
#include <utility>
#include <vector>

#include "settings/Settings.h"

namespace velmora {

// Every field of the record as (name, value) text pairs, in the order the
// record declares them: arrays as Name[i], date-times in the settings file's
// own form, booleans as 0 or 1. Used by the command-line companion and by
// tests that compare whole records.
std::vector<std::pair<std::string, std::string>> SettingsFields(const Settings& settings);

}  // namespace velmora
