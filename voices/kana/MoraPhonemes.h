#pragma once

#include <optional>
#include <string_view>

namespace velmora::voice {

// How one mora sounds in the phoneme set the HTS voices were trained on: a
// consonant ("k", "ky", "sh", "ts", ...; empty for a bare vowel) and a vowel
// ("a" ... "o"), or a lone "N" (ん) or "cl" (っ) with no vowel.
struct MoraSound {
    std::string_view consonant;
    std::string_view vowel;
};

// The sound of a mora as the notation reader stores it: one hiragana,
// optionally followed by the small kana it took ("きゃ", "ふぁ", "てぃ").
// `before` is the mora before it in the phrase, if any: the う of ょう is the
// o before it lengthened (しょう, ましょう), as ー would be. nullopt for
// anything else.
std::optional<MoraSound> SoundOfMora(std::string_view mora, std::string_view before = {});

// k, s, t, h, p and their palatal forms, f, ts and ch: the consonants a
// close vowel loses its voice between.
bool IsVoicelessConsonant(std::string_view consonant);

}  // namespace velmora::voice
