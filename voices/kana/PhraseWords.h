#pragma once

#include <string_view>
#include <vector>

#include "kana/Notation.h"

namespace velmora::voice {

// A word as the voices' part-of-speech questions see it: the part of speech,
// conjugation type and conjugation form in Open JTalk's numbering ("02",
// "xx", "xx" for a noun; "10", "7", "2" for です), and the morae it spans.
struct PhraseWord {
    std::string_view pos;
    std::string_view type = "xx";
    std::string_view form = "xx";
    int morae = 0;
    bool politeAuxiliary = false;  // です or ます, whose す loses its voice
};

// The words of one accent phrase, given its morae in hiragana: the
// particles and auxiliaries it ends in, recognised by their kana, and a
// noun for everything before them. `mayBeAllTail` lets the phrase be
// particles and auxiliaries only (です after a number), which fits a phrase
// that follows another without a pause.
std::vector<PhraseWord> GuessPhraseWords(const std::vector<std::string_view>& morae,
                                         bool mayBeAllTail);

// The utterance as a speaker phrases it: an ending written as a phrase of
// its own after a word with no pause between (しち'じ/で'す, さかな/だよ)
// is spoken as part of that word's accent phrase, not with a rise of its
// own. After an accented word it stays low (しち'じです); after a flat one
// it keeps its own accent (さかなで'す) or stays flat (さかなだよ).
Utterance JoinEndings(Utterance utterance);

}  // namespace velmora::voice
