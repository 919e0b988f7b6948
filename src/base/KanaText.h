#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Character-level kana helpers, shared by the reading of Japanese text and
// the voices' notation reader. Everything works on Unicode code points; the
// readers keep their kana as hiragana.

bool IsHiragana(char32_t c);       // ぁ..ゖ, including ゔ
bool IsKatakana(char32_t c);       // ァ..ヺ
bool IsSmallKana(char32_t c);      // ぁぃぅぇぉゃゅょゎ (hiragana)
bool IsLongVowelMark(char32_t c);  // ー, its half-width form, and the wave dashes

// Katakana to hiragana, keeping everything else. ヵ and ヶ become か, since
// they are read so in the counters they stand for (ヶ月, ヵ所).
char32_t ToHiragana(char32_t c);

// ヷ ヸ ヹ ヺ have no hiragana of their own: the two kana they sound as.
std::u32string_view SpelledOutVu(char32_t c);

// Folds half-width katakana (with a following voiced or semi-voiced mark)
// into hiragana. Returns how many characters of `text` from `pos` it used,
// 0 when text[pos] is not half-width katakana.
size_t FoldHalfwidthKana(std::u32string_view text, size_t pos, char32_t& out);

// ぁ -> あ and so on, for a small kana that has nothing to attach to.
char32_t FullSizeKana(char32_t smallKana);

// The vowel a hiragana ends in (あ い う え お), ん for ん, 0 for っ and anything
// without a vowel.
char32_t VowelOf(char32_t hiragana);

// か -> が and the like, for the voiced iteration mark; the kana itself when
// it has no voiced form.
char32_t VoicedKana(char32_t hiragana);

// The Japanese name of an ASCII letter in hiragana ("えー" for A or a); empty
// for anything else.
std::string_view LetterName(char32_t asciiLetter);

// Full-width ASCII forms (U+FF01..U+FF5E) to ASCII; everything else kept.
char32_t FoldFullwidthAscii(char32_t c);

}  // namespace velmora
