#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace velmora::voice {

// One mora as the full-context labels spell it: the labels of its phonemes
// (a consonant and a vowel, or one of them) and whether the Tokyo accent
// puts it high or low in its accent phrase.
struct LabelMora {
    size_t firstLabel = 0;
    size_t labelCount = 0;
    bool high = false;
    size_t phrase = 0;  // accent phrases numbered through the utterance
};

// The morae of HTS Japanese full-context labels in order; silences and
// pauses belong to none. The accent level comes from the phrase's mora
// count and accent type (F:f1_f2) and the mora's place in it (A:a2):
// the first mora is low unless it carries the accent, the rest high up to
// the accent nucleus and low after it, and a phrase without one stays high.
std::vector<LabelMora> MoraeOfLabels(const std::vector<std::string>& labels);

// The label with its vowel voiced: a question's last mora is spoken, not
// whispered, or its rise could not be heard.
std::string VoicedLabel(const std::string& label);

}  // namespace velmora::voice
