#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// How a number is said, with the counter after it: the hiragana, and the
// mora the pitch falls after in Tokyo speech (1-based; 0 when it does not
// fall). The own-word reader and the voices' notation read numbers with
// this one table, so a time written either way sounds the same.
struct NumberReading {
    std::string kana;
    int nucleus = 0;
};

// A number in ASCII digits, optionally with full stops after the first
// digit ("305.5" -> さんびゃくごてんご, "3." -> さん), and a counter in
// hiragana or empty: ("4", "じ") -> よ'じ, ("10", "ふん") -> じゅ'っぷん,
// ("1", "にん") -> ひと'り. A counter without rules of its own is read after
// the number, flat, as is a number without a counter. nullopt when `value`
// is not such a number.
std::optional<NumberReading> ReadNumber(std::string_view value, std::string_view counter = {});

// A number as written in Japanese text, in ASCII digits, kanji numerals or
// both ("12", "二十四", "二〇二六", "3千", "1000万", "零"), with the kanji
// counter after it: 年 月 日 時 分 秒 回 人 本 個 円 歳 匹 枚 階 番, alone or with
// 半 ("時半"). The dictionary reads such a pair word by word (月 after a
// number as つき, 二十日 as にじゅうにち), so the pair is read here as one.
// nullopt for anything else, and for numbers of a trillion or more.
std::optional<NumberReading> ReadCountedNumber(std::string_view number, std::string_view counter);

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

}  // namespace velmora
