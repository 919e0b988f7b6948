#pragma once

#include <string>
#include <string_view>

namespace velmora {

// [Alarm] Word: 0 says nothing, 1 takes the user's own words, 2..5 are the
// built-in wake-up phrases.
inline constexpr int kWordNone = 0;
inline constexpr int kWordOwn = 1;
inline constexpr int kFirstPresetWord = 2;
inline constexpr int kLastPresetWord = 5;

// The built-in phrase in phonetic text for Word 2..5; empty for any other.
std::string PresetAlarmWord(int word);

// Whether the UTF-8 text holds a CJK ideograph (the unified block up to
// U+9FCF, extension A, or the compatibility ideographs), which the voices
// cannot read and the reading service must turn into kana first.
bool ContainsKanji(std::string_view utf8Text);

// The ending spoken after the time ([Jiho] GobiNo 0..6); empty otherwise.
std::string JihoEnding(int gobiNo);

}  // namespace velmora
