#pragma once

#include <optional>
#include <string>

#include "sound/WaveData.h"

namespace velmora {

// Reads a wave file as 16-bit samples in its own rate and channel count.
// nullopt for a missing file, one that is not a readable wave, or one whose
// format no sound output takes (PlayableWaveFormat).
class WaveFileReader {
public:
    virtual ~WaveFileReader() = default;
    virtual std::optional<WaveData> ReadWaveFile(const std::string& path) = 0;
};

}  // namespace velmora
