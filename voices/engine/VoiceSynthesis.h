#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/VoiceProfile.h"

namespace velmora::voice {

inline constexpr int kOutputSampleRate = 8000;

// Phonetic text (UTF-8) to 8000 Hz 16-bit mono samples in the given voice:
// reads the notation, turns it into full-context labels, synthesizes them
// with the voice's HTS voice file (pitch shaped for the voice) and
// resamples. A text of pauses alone gives their silence. nullopt when the
// notation refuses the text, the voice file cannot be loaded or the
// synthesizer fails.
std::optional<std::vector<std::int16_t>> SynthesizeSamples(std::string_view utf8Text,
                                                           const VoiceProfile& profile, int speed);

}  // namespace velmora::voice
