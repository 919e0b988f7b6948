#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// A typed number field: optional sign and decimal digits, nothing else.
// Empty or anything else gives nullopt, so that callers can choose what a
// blank field means.
std::optional<int> ReadFormInteger(std::string_view text);

// Splits a typed day list into items. Blanks and control characters
// separate items as commas do; a double-quoted item may hold them (two
// double quotes inside stand for one). Two adjacent commas give an empty
// item, and so does a comma at the very end. An unterminated quote fails.
std::optional<std::vector<std::string>> SplitDayList(std::string_view text);

// The days of a typed list, each 1..31 (an empty or non-numeric item is
// invalid); nullopt when the list or any item is not acceptable. Duplicates
// stay, the caller sets flags from them.
std::optional<std::vector<int>> ParseDayList(std::string_view text);

// The days whose flag is set, ascending, joined by ",". `flags` is indexed
// by day, 1..31.
std::string JoinDays(const std::array<bool, 32>& flags);

}  // namespace velmora
