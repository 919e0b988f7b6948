#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace velmora::voice {

inline constexpr int kWaveHeaderSize = 44;

// A canonical RIFF/WAVE file image (44-byte header, PCM, mono, 16-bit) of
// the samples, in memory from malloc so that a caller in any language can
// hand it back for release. nullptr when memory runs out or the image
// would not fit a 32-bit size.
unsigned char* NewWaveImage(std::span<const std::int16_t> samples, int sampleRate, int& size);

}  // namespace velmora::voice
