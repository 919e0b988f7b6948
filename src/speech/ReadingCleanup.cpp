#include "speech/ReadingCleanup.h"

#include <algorithm>

#include "base/ShiftJis.h"
#include "base/Utf8.h"

namespace velmora {
namespace {

bool IsDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

void ReplaceAll(std::u32string& text, char32_t from, char32_t to) {
    std::replace(text.begin(), text.end(), from, to);
}

}  // namespace

std::u32string ThroughShiftJis(std::u32string_view text) {
    std::u32string out;
    out.reserve(text.size());
    std::string utf8;
    for (const char32_t c : text) {
        if (c < 0x80) {
            out += c;  // code page 932 keeps ASCII as it is
            continue;
        }
        utf8.clear();
        AppendUtf8(utf8, c);
        const auto sjis = Utf8ToSjis(utf8, SjisFit::Folded);
        if (sjis) {
            out += DecodeUtf8(SjisToUtf8(*sjis));
        }
    }
    return out;
}

std::vector<std::u32string> SplitIntoPieces(std::u32string_view text, size_t pieceLength) {
    std::vector<std::u32string> pieces;
    for (size_t start = 0; start < text.size(); start += pieceLength) {
        pieces.emplace_back(text.substr(start, pieceLength));
    }
    return pieces;
}

std::u32string CleanUpReading(std::u32string_view reading) {
    std::u32string text(reading);
    // Only the hiragana: the voices say づ and ぢ exactly like ず and じ,
    // which is how the words are spoken.
    ReplaceAll(text, U'づ', U'ず');
    ReplaceAll(text, U'ぢ', U'じ');
    ReplaceAll(text, U'．', U'.');
    for (const char32_t mark : {U'「', U'」', U'・', U'(', U')', U'（', U'）'}) {
        ReplaceAll(text, mark, U'、');
    }
    // Full-width digits, letters and the signs among them become ASCII, so
    // that the numbers below are found and "？" asks a question.
    for (char32_t& c : text) {
        if (c >= 0xFF10 && c <= 0xFF5A) {
            c -= 0xFEE0;
        }
    }
    return TagNumbers(text);
}

std::u32string TagNumbers(std::u32string_view text) {
    std::u32string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        if (!IsDigit(text[i])) {
            out += text[i++];
            continue;
        }
        size_t end = i + 1;
        while (end < text.size() && (IsDigit(text[end]) || text[end] == U'.')) {
            ++end;
        }
        out += U"<NUMK VAL=";
        out.append(text.substr(i, end - i));
        out += U'>';
        i = end;
    }
    return out;
}

}  // namespace velmora
