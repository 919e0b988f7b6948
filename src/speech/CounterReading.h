#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

struct CountedReading {
    std::string kana;  // hiragana
    int nucleus = 0;   // the mora the pitch falls after, 1-based; 0 when it does not fall
};

// The hiragana reading of a number together with the counter written after
// it, with the sound changes the counter brings: ("3", "本") gives
// "さんぼん", ("20", "日") "はつか", ("四", "月") "しがつ". The dictionary
// reads such a pair word by word (月 after a number as つき, 二十日 as
// にじゅうにち), so the pair is read here as one, and given the accent the
// pair has as one word: しち'じ, じゅうにが'つ, さんじゅ'っぷん, はつか.
//
// `number` is ASCII digits, kanji numerals or both, as written: "12",
// "二十四", "二〇二六", "3千", "1000万". `counter` is one of 年 月 日 時 分 秒
// 回 人 本 個 円 歳 匹 枚 階 番, alone or with 半 after it ("時半"). nullopt
// for anything else, and for numbers of a trillion or more.
std::optional<CountedReading> ReadCountedNumber(std::string_view number, std::string_view counter);

}  // namespace velmora
