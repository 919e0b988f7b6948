#pragma once

#include <cstdint>
#include <vector>

namespace velmora {

// Sample rate of every synthesized utterance (the recorded voice keeps its own).
inline constexpr int kSpeechWaveRate = 8000;

// The formats a sound output takes. The top rate and channel count are the
// sound server's own limits; no recording is made below the lowest rate. A
// file claiming anything else has a damaged header and would only fail (or
// play as nothing) once it reached the output.
inline constexpr int kMinWaveRate = 1000;
inline constexpr int kMaxWaveRate = 384000;
inline constexpr int kMaxWaveChannels = 32;

inline constexpr bool PlayableWaveFormat(int sampleRate, int channels) {
    return sampleRate >= kMinWaveRate && sampleRate <= kMaxWaveRate && channels >= 1 &&
           channels <= kMaxWaveChannels;
}

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
