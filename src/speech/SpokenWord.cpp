#include "speech/SpokenWord.h"

#include <iterator>

#include "base/KanaText.h"
#include "base/TextUtil.h"
#include "base/Utf8.h"

namespace velmora {
namespace {

bool IsJapaneseLetter(char32_t c) {
    return (c >= 0x3041 && c <= 0x309F) ||                 // hiragana
           (c >= 0x30A1 && c <= 0x30FF && c != 0x30FB) ||  // katakana and ー, not the middle dot
           (c >= 0x3005 && c <= 0x3007) || c == 0x303B ||  // 々 〆 〇 〻
           (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF66 && c <= 0xFF9F);  // half-width kana
}

bool HasJapaneseLetter(std::string_view utf8) {
    for (const char32_t c : DecodeUtf8(utf8)) {
        if (IsJapaneseLetter(c)) {
            return true;
        }
    }
    return false;
}

// The kana of a pronunciation, as hiragana. ヴ, ヵ and ヶ stay katakana:
// their hiragana forms are missing from code page 932, and the voices read
// katakana as well. Marks the dictionary adds (’ for a voiceless vowel)
// are dropped.
std::string PronouncedKana(std::string_view katakana) {
    std::string out;
    for (char32_t c : DecodeUtf8(katakana)) {
        if ((c >= 0x30A1 && c <= 0x30F3) || c == 0x30FD || c == 0x30FE) {
            c -= 0x60;
        }
        if ((c >= 0x3041 && c <= 0x309F) || (c >= 0x30A1 && c <= 0x30FE && c != 0x30FB)) {
            AppendUtf8(out, c);
        }
    }
    return out;
}

SpokenWord WithReading(const AnalysedWord& word, std::string reading) {
    SpokenWord spoken;
    static_cast<AnalysedWord&>(spoken) = word;
    spoken.reading = std::move(reading);
    return spoken;
}

std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        const size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

// The word read by the dictionary, or nothing when the dictionary has no
// pronunciation for it. Each part of a set phrase after the first becomes
// a word of its own at the entry's end that opens a phrase.
std::vector<SpokenWord> SpokenParts(const AnalysedWord& word) {
    const std::vector<std::string_view> pronunciations = SplitAt(word.pronunciation, ':');
    const std::vector<std::string_view> accents = SplitAt(word.accent, ':');
    std::vector<SpokenWord> parts;
    for (size_t i = 0; i < pronunciations.size(); ++i) {
        SpokenWord part = WithReading(word, PronouncedKana(pronunciations[i]));
        if (part.reading.empty()) {
            return {};
        }
        // The dictionary spells the う of the volitional (しましょう, いこう) as
        // written; it lengthens the vowel before it.
        if (part.Is("助動詞") && part.baseForm == "う" && part.reading == "う") {
            part.reading = "ー";
        }
        part.spoken = true;
        const int nucleus = i < accents.size() ? LeadingInteger(accents[i]).value_or(0) : 0;
        part.nucleus = nucleus <= MoraCount(part.reading) ? nucleus : 0;
        if (i > 0) {
            part.typedBegin = word.typedEnd;
            part.ownPhrase = true;
        }
        parts.push_back(std::move(part));
    }
    return parts;
}

}  // namespace

std::vector<SpokenWord> SpeakWords(std::span<const AnalysedWord> words, std::string_view typed) {
    std::vector<SpokenWord> spoken;
    for (const AnalysedWord& word : words) {
        const std::string_view typedWord =
            typed.substr(word.typedBegin, word.typedEnd - word.typedBegin);
        std::vector<SpokenWord> parts;
        if (word.inDictionary && HasJapaneseLetter(typedWord)) {
            parts = SpokenParts(word);
        }
        if (parts.empty()) {
            spoken.push_back(WithReading(word, std::string(typedWord)));
        } else {
            std::move(parts.begin(), parts.end(), std::back_inserter(spoken));
        }
    }
    return spoken;
}

std::vector<size_t> MoraEnds(std::u32string_view kana) {
    std::vector<size_t> ends;
    bool canTakeSmall = false;
    for (size_t i = 0; i < kana.size(); ++i) {
        if (IsSmallKana(kana[i]) && canTakeSmall) {
            ends.back() = i + 1;
            canTakeSmall = false;
            continue;
        }
        ends.push_back(i + 1);
        canTakeSmall =
            !IsSmallKana(kana[i]) && kana[i] != U'ん' && kana[i] != U'っ' && kana[i] != U'ー';
    }
    return ends;
}

int MoraCount(std::string_view kana) {
    return static_cast<int>(MoraEnds(DecodeUtf8(kana)).size());
}

}  // namespace velmora
