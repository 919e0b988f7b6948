#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora::voice {

// The hiragana reading of a number followed by a counter word, with the
// counter's sound changes: ("4", "じ") -> "よじ", ("10", "ふん") -> "じゅっぷん",
// ("1", "にん") -> "ひとり". `value` is ASCII digits, optionally with full
// stops after the first digit ("305.5" -> "さんびゃくごてんご", "3." -> "さん").
// `counter` is hiragana or empty; a counter without special rules is simply
// read after the number. nullopt when `value` is not such a number.
std::optional<std::string> ReadNumber(std::string_view value, std::string_view counter = {});

}  // namespace velmora::voice
