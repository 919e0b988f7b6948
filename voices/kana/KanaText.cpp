#include "kana/KanaText.h"

#include <array>

namespace velmora::voice {
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

std::optional<std::u32string> DecodeUtf8(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const auto b0 = static_cast<unsigned char>(utf8[i]);
        size_t length = 0;
        char32_t c = 0;
        if (b0 < 0x80) {
            length = 1;
            c = b0;
        } else if (b0 >= 0xC2 && b0 <= 0xDF) {
            length = 2;
            c = b0 & 0x1Fu;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            length = 3;
            c = b0 & 0x0Fu;
        } else if (b0 >= 0xF0 && b0 <= 0xF4) {
            length = 4;
            c = b0 & 0x07u;
        } else {
            return std::nullopt;
        }
        if (i + length > utf8.size()) {
            return std::nullopt;
        }
        for (size_t k = 1; k < length; ++k) {
            const auto b = static_cast<unsigned char>(utf8[i + k]);
            if ((b & 0xC0u) != 0x80u) {
                return std::nullopt;
            }
            c = (c << 6) | (b & 0x3Fu);
        }
        // Overlong three- and four-byte forms, surrogates and the
        // replacement character are all refused.
        if ((length == 3 && c < 0x800) || (length == 4 && (c < 0x10000 || c > 0x10FFFF)) ||
            (c >= 0xD800 && c <= 0xDFFF) || c == 0xFFFD) {
            return std::nullopt;
        }
        out += c;
        i += length;
    }
    return out;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string EncodeUtf8(std::u32string_view text) {
    std::string out;
    for (char32_t c : text) {
        AppendUtf8(out, c);
    }
    return out;
}

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

}  // namespace velmora::voice
