#pragma once

#include <cstdint>
#include <vector>

namespace velmora {

// Sample rate of every synthesized utterance (the recorded voice keeps its own).
inline constexpr int kSpeechWaveRate = 8000;

// 16-bit PCM ready for a sound channel. Samples are interleaved frames of
// `Channels` samples each.
struct WaveData {
    int SampleRate = kSpeechWaveRate;
    int Channels = 1;
    std::vector<std::int16_t> Samples;

    std::size_t Frames() const {
        return Channels > 0 ? Samples.size() / static_cast<std::size_t>(Channels) : 0;
    }
    // Length in milliseconds, rounded down.
    std::int64_t Milliseconds() const {
        return SampleRate > 0 ? static_cast<std::int64_t>(Frames()) * 1000 / SampleRate : 0;
    }
};

}  // namespace velmora
