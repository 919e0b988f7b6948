#pragma once

#include <string>
#include <vector>

#include "kana/Notation.h"

namespace velmora::voice {

// The utterance as HTS Japanese full-context labels, one per phoneme, with
// the silences at both ends ("sil") and the pauses ("pau").
//
// Everything the voices were trained to hear is worked out from the
// notation itself: the phonemes with the usual devoicing of i and u, each
// mora's place in its accent phrase, the accent phrases (a phrase without a
// mark is flat), the breath groups the pauses make and the questions. The
// parts of speech are guessed from the particles and auxiliaries a phrase
// ends in; everything else counts as a noun. Counts too large for the
// format are capped as the voices' training labels were. Empty when the
// utterance has no morae.
std::vector<std::string> FullContextLabels(const Utterance& utterance);

}  // namespace velmora::voice
