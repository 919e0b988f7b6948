#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "speech/AnalysedWord.h"

namespace velmora {

// A word with the reading it is spoken with: the dictionary's
// pronunciation in kana, or the characters as typed where the voices must
// read them (unknown words, digits, Latin letters, signs).
struct SpokenWord : AnalysedWord {
    std::string reading;   // kana as pronounced when `spoken`, else as typed
    bool spoken = false;   // read in kana by us, so its morae can be counted
    int nucleus = 0;       // the mora the pitch falls after; 0: none
    bool counted = false;  // a number read with its counter
    bool ownPhrase = false;  // a later part of a set phrase (ございます of ありがとうございます)
};

// Nothing was typed between the two words.
inline bool Touching(const SpokenWord& before, const SpokenWord& after) {
    return before.typedEnd == after.typedBegin;
}

// The words of `typed` as they are spoken, in order. A set phrase the
// dictionary holds as several accent phrases becomes a word per phrase.
std::vector<SpokenWord> SpeakWords(std::span<const AnalysedWord> words, std::string_view typed);

// Where each mora of `kana` ends, counted as the voices count them: a small
// kana belongs to the kana before it (きゃ) unless that is ん, っ or ー.
std::vector<size_t> MoraEnds(std::u32string_view kana);
int MoraCount(std::string_view kana);

}  // namespace velmora
