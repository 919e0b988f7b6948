#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

constexpr bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}
constexpr char ToLowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

// Blanks are spaces and tabs, as the profile-file dialect trims them.
std::string_view Trim(std::string_view text);

// Case-insensitive for ASCII letters only; other bytes must match exactly.
// Meant for UTF-8 text, where no byte of a multi-byte character is ASCII.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// An integer as the settings file holds it: optional sign and decimal
// digits, or "0x"/"0X" followed by hexadecimal digits (at least three
// characters in all; up to 32 bits, taken as a signed 32-bit value). Blanks
// around it are allowed. Anything else, or a value that does not fit, is
// nullopt.
std::optional<int> ParseProfileInteger(std::string_view text);

// Splits at '\n', dropping one '\r' before each split point. A trailing
// line end does not produce an empty last line.
std::vector<std::string> SplitLines(std::string_view text);

bool StartsWith(std::string_view text, std::string_view prefix);

// The decimal integer `text` starts with ("1/2" gives 1, "-2@" gives -2);
// nullopt when it starts with none.
std::optional<int> LeadingInteger(std::string_view text);

}  // namespace velmora
