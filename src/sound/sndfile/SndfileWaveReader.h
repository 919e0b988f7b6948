#pragma once

#include "sound/WaveFileReader.h"

namespace velmora {

// RIFF/WAVE files through libsndfile, at their own rate and channel count;
// samples of any width come out as 16 bits.
class SndfileWaveReader final : public WaveFileReader {
public:
    std::optional<WaveData> ReadWaveFile(const std::string& path) override;
};

}  // namespace velmora
