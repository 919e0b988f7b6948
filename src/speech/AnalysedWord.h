#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

// One word of a text as the morphological analyser split it, with the
// fields of its NAIST dictionary entry that the reading rules use.
struct AnalysedWord {
    // Where the word stands in the text as typed, in bytes: the analyser may
    // have seen other characters (full-width digits as ASCII).
    size_t typedBegin = 0;
    size_t typedEnd = 0;
    std::string surface;  // as the analyser saw it
    std::string partOfSpeech;
    std::string kind;    // the part of speech's first subdivision (数, 接尾, 非自立)
    std::string detail;  // its second (人名, 助動詞語幹)
    std::string conjugationType;
    std::string conjugationForm;
    std::string baseForm;
    // The pronunciation in katakana and the accent as "nucleus/morae"; an
    // entry holding a set phrase as several accent phrases sets the parts
    // apart by ':' (アリガトー:ゴザイマス, 2/5:4/5).
    std::string pronunciation;
    std::string accent;
    // How the word's accent combines with the word before it (C1, P2,
    // 名詞%F1/動詞%F2@0).
    std::string chain;
    // An entry of the dictionary rather than one made up for an unknown word.
    bool inDictionary = false;

    bool Is(std::string_view part) const { return partOfSpeech == part; }
    bool Is(std::string_view part, std::string_view kindOf) const {
        return partOfSpeech == part && kind == kindOf;
    }
    bool Number() const { return Is("名詞", "数"); }
    bool Adverbial() const { return Is("名詞", "副詞可能"); }
};

// The fields of a NAIST dictionary entry as the analyser gives them, comma
// separated: the part of speech in four fields, the conjugation type and
// form, the base form, the reading, the pronunciation, the accent and the
// chain rule. Entries made up for unknown words stop after the seventh.
// Only the dictionary fields are set; the position and `inDictionary` are
// the caller's.
AnalysedWord FromNaistFeature(std::string_view surface, std::string_view feature);

}  // namespace velmora
