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

// A number written without a counter may still be followed by one in the
// text ("7じに" is seven o'clock, not なな + じ). The counter that `hiragana`
// starts with as whole morae, with the number of characters it takes;
// spellings that already carry a sound change (ぷん, ぼん) give the counter
// they belong to.
struct CounterMatch {
    std::string counter;
    size_t length;
};
std::optional<CounterMatch> MatchCounter(std::u32string_view hiragana);

}  // namespace velmora::voice
