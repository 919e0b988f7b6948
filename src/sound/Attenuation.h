#pragma once

#include <optional>

namespace velmora {

inline constexpr int kSilentAttenuation = -10000;

// The linear gain of a channel volume given in hundredths of a decibel
// (0 = 1.0, -10000 = 0.0, which is silence rather than -100 dB); nullopt for
// a value outside -10000..0, which must leave the volume unchanged.
std::optional<double> AttenuationToGain(int attenuation);

}  // namespace velmora
