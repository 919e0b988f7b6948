#include "base/KanaText.h"

#include <array>

namespace velmora {
namespace {

bool In(std::u32string_view set, char32_t c) {
    return set.find(c) != std::u32string_view::npos;
}

// Half-width katakana U+FF66..U+FF9D in order, as hiragana.
constexpr std::u32string_view kHalfwidthKana =
    U"をぁぃぅぇぉゃゅょっーあいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめも"
    U"やゆよらりるれろわん";

constexpr char32_t kHalfwidthVoiced = 0xFF9E;
constexpr char32_t kHalfwidthSemiVoiced = 0xFF9F;

constexpr std::array<std::string_view, 26> kLetterNames = {
    "えー",   "びー",   "しー", "でぃー", "いー",       "えふ",     "じー", "えいち", "あい",
    "じぇー", "けー",   "える", "えむ",   "えぬ",       "おー",     "ぴー", "きゅー", "あーる",
    "えす",   "てぃー", "ゆー", "ぶい",   "だぶりゅー", "えっくす", "わい", "ぜっと",
};

}  // namespace

bool IsHiragana(char32_t c) {
    return c >= U'ぁ' && c <= U'ゖ';
}

bool IsKatakana(char32_t c) {
    return c >= U'ァ' && c <= U'ヺ';
}

bool IsSmallKana(char32_t c) {
    return In(U"ぁぃぅぇぉゃゅょゎ", c);
}

bool IsLongVowelMark(char32_t c) {
    return c == U'ー' || c == 0xFF70 || c == U'〜' || c == U'～';
}

char32_t ToHiragana(char32_t c) {
    if (c == U'ヵ' || c == U'ヶ' || c == U'ゕ') {
        return U'か';
    }
    if (c == U'ゖ') {
        return U'け';
    }
    if (c >= U'ァ' && c <= U'ヴ') {
        return c - (U'ァ' - U'ぁ');
    }
    return c;
}

std::u32string_view SpelledOutVu(char32_t c) {
    switch (c) {
        case U'ヷ':
            return U"ゔぁ";
        case U'ヸ':
            return U"ゔぃ";
        case U'ヹ':
            return U"ゔぇ";
        case U'ヺ':
            return U"ゔぉ";
        default:
            return {};
    }
}

size_t FoldHalfwidthKana(std::u32string_view text, size_t pos, char32_t& out) {
    const char32_t c = text[pos];
    if (c < 0xFF66 || c > 0xFF9D) {
        return 0;
    }
    out = kHalfwidthKana[c - 0xFF66];
    if (pos + 1 < text.size()) {
        if (text[pos + 1] == kHalfwidthVoiced && VoicedKana(out) != out) {
            out = VoicedKana(out);
            return 2;
        }
        if (text[pos + 1] == kHalfwidthSemiVoiced && In(U"はひふへほ", out)) {
            out += 2;
            return 2;
        }
    }
    return 1;
}

char32_t FullSizeKana(char32_t smallKana) {
    if (smallKana == U'ゎ') {
        return U'わ';
    }
    return IsSmallKana(smallKana) ? smallKana + 1 : smallKana;
}

char32_t VowelOf(char32_t c) {
    if (In(U"ぁあかがさざただなはばぱまゃやらゎわ", c)) {
        return U'あ';
    }
    if (In(U"ぃいきぎしじちぢにひびぴみりゐ", c)) {
        return U'い';
    }
    if (In(U"ぅうくぐすずつづぬふぶぷむゅゆるゔ", c)) {
        return U'う';
    }
    if (In(U"ぇえけげせぜてでねへべぺめれゑ", c)) {
        return U'え';
    }
    if (In(U"ぉおこごそぞとどのほぼぽもょよろを", c)) {
        return U'お';
    }
    return c == U'ん' ? U'ん' : 0;
}

char32_t VoicedKana(char32_t c) {
    if (In(U"かきくけこさしすせそたちつてとはひふへほ", c)) {
        return c + 1;
    }
    return c == U'う' ? U'ゔ' : c;
}

std::string_view LetterName(char32_t c) {
    if (c >= U'a' && c <= U'z') {
        return kLetterNames[c - U'a'];
    }
    if (c >= U'A' && c <= U'Z') {
        return kLetterNames[c - U'A'];
    }
    return {};
}

char32_t FoldFullwidthAscii(char32_t c) {
    return c >= 0xFF01 && c <= 0xFF5E ? c - 0xFEE0 : c;
}

}  // namespace velmora
