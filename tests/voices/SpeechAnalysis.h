#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::test {

// The fields of a canonical 44-byte WAVE header.
struct WaveHeader {
    std::string riff, wave, fmt, data;
    std::uint32_t riffSize, fmtSize, sampleRate, byteRate, dataSize;
    std::uint16_t format, channels, blockAlign, bitsPerSample;
};
std::optional<WaveHeader> ReadWaveHeader(std::span<const unsigned char> image);

// The 16-bit little-endian samples after the header.
std::vector<std::int16_t> SamplesOf(std::span<const unsigned char> image);

// Pitch in Hz of each voiced 50 ms frame (10 ms apart), by normalised
// autocorrelation; unvoiced and silent frames are left out.
std::vector<double> PitchTrack(std::span<const std::int16_t> samples, int sampleRate);

// The p-th fraction (0..1) of the values, 0 when there are none.
double Percentile(std::vector<double> values, double p);

}  // namespace velmora::test
