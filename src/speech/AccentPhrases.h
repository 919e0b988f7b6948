#pragma once

#include <span>
#include <string>
#include <string_view>

#include "speech/AnalysedWord.h"

namespace velmora {

// The voices' phonetic notation of the text `typed`, analysed into
// `words`: each word as it is pronounced in hiragana, numbers read with
// their counters, words gathered into accent phrases set apart by "/", and
// "'" after the mora where a phrase's pitch falls, as the words' accents
// and chain rules give it (箸を使う is "は'しを/つかう"). Words without a
// pronunciation, and whatever was typed between the words, are kept as
// typed.
std::string WriteAccentPhrases(std::span<const AnalysedWord> words, std::string_view typed);

}  // namespace velmora
