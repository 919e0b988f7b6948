#pragma once

#include <string>

#include "kana/Notation.h"

namespace velmora::voice {

// The two pitch levels of the synthesizer's scale (0..100) an accent phrase
// moves between.
struct PitchLevels {
    int low;
    int high;
};

// The text the synthesizer reads: hiragana only, each accent phrase with
// embedded pitch commands (Tokyo accent: the first mora low unless it
// carries the accent, high up to the accent, low after it; a phrase
// without an accent stays high to its end), a blank between phrases and the
// pauses as punctuation. Marks and tags never reach the synthesizer, so it
// cannot read them out.
std::string PitchScript(const Utterance& utterance, PitchLevels levels);

}  // namespace velmora::voice
