#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace velmora::voice {

// Mono 16-bit samples from one rate to another (libsoxr, high quality).
// Empty when the resampler fails.
std::vector<std::int16_t> Resample(std::span<const std::int16_t> samples, double fromRate,
                                   double toRate);

}  // namespace velmora::voice
