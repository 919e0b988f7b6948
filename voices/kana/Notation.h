#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::voice {

// What ends an accent phrase: a phrase mark ("/" or a blank, "+"), a pause
// ("、"), the end of a sentence ("。", "!"), a question ("?"), or the text.
enum class PhraseEnd { Phrase, Joined, Pause, Sentence, Question, Text };

// One accent phrase: its morae in hiragana ("きゃ", "っ", "ん", ...) and the
// mora the pitch falls after (1-based; 0 when it does not fall).
struct AccentPhrase {
    std::vector<std::string> morae;
    int accent = 0;
    PhraseEnd end = PhraseEnd::Text;
};

struct Utterance {
    std::vector<AccentPhrase> phrases;

    bool HasMorae() const;
};

// Reads phonetic text: hiragana and katakana (half-width too), "ー", the
// accent mark "'", the phrase marks "/" "+", the pauses "、" "。" "?" (either
// width), number tags <NUMK VAL=n COUNTER=w>, bare numbers and Latin
// letters. A number with a counter gives its phrase the number's accent
// (しち'じ) unless a mark came before it; a mark after it wins. nullopt for
// anything else: kanji, an unknown or unterminated tag, signs the voices
// cannot read, and the empty text.
std::optional<Utterance> ParseNotation(std::string_view utf8);

// "、", "。" or "?" for the pauses; empty for the phrase marks and the end.
std::string_view EndMark(PhraseEnd end);

// The kana as they are spoken, with the pauses kept and every mark gone.
std::string PlainKana(const Utterance& utterance);

}  // namespace velmora::voice
