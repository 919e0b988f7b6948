// The voices' phonetic-notation reader and number readings on any text: as
// UTF-8, and as the Shift-JIS bytes a voice library is handed.
//
// Input: the text. When it holds a '|', the part before it is also read as a
// number and the rest as the counter after it.
#include <algorithm>
#include <string>

#include "FuzzScratch.h"
#include "base/KanaText.h"
#include "base/NumberReading.h"
#include "base/ShiftJis.h"
#include "base/Utf8.h"
#include "kana/Notation.h"

namespace velmora {
namespace {

bool IsSpokenKana(char32_t c) {
    return IsHiragana(c) || c == U'ー';
}

void ReadAsNotation(std::string_view utf8) {
    const auto utterance = voice::ParseNotation(utf8);
    if (!utterance) {
        return;
    }
    if (utterance->phrases.empty()) {
        fuzz::Fault("an accepted text has no phrase");
    }
    for (const voice::AccentPhrase& phrase : utterance->phrases) {
        if (phrase.accent < 0 || static_cast<size_t>(phrase.accent) > phrase.morae.size()) {
            fuzz::Fault("an accent falls outside its phrase");
        }
        for (const std::string& mora : phrase.morae) {
            const std::u32string kana = DecodeUtf8(mora);
            if (kana.empty() || kana.size() > 2) {
                fuzz::Fault("a mora is empty or longer than two kana");
            }
            for (char32_t c : kana) {
                if (!IsSpokenKana(c)) {
                    fuzz::Fault("a mora holds something other than hiragana");
                }
            }
        }
    }
    static_cast<void>(voice::PlainKana(*utterance));
}

void ReadAsNumber(std::string_view text) {
    const size_t bar = text.find('|');
    if (bar == std::string_view::npos) {
        return;
    }
    const std::string_view counter = text.substr(bar + 1);
    const auto reading = ReadNumber(text.substr(0, bar), counter);
    if (reading && reading->kana.empty()) {
        fuzz::Fault("a number reads as nothing");
    }
    // A number with a kana counter reads as kana alone.
    const std::u32string counterKana = DecodeUtf8(counter);
    const bool kanaCounter = std::all_of(counterKana.begin(), counterKana.end(),
                                         [](char32_t c) { return IsHiragana(c); });
    if (reading && kanaCounter) {
        for (char32_t c : DecodeUtf8(reading->kana)) {
            if (!IsSpokenKana(c)) {
                fuzz::Fault("a number with a kana counter reads as something other than kana");
            }
        }
    }
    static_cast<void>(MatchCounter(DecodeUtf8(text.substr(bar + 1))));
}

}  // namespace
}  // namespace velmora

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    const std::string_view input = fuzz::AsText(data, size);
    ReadAsNotation(input);
    ReadAsNotation(SjisToUtf8(input));
    ReadAsNumber(input);
    return 0;
}
