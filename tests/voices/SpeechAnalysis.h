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

// Pitch in Hz of each 50 ms frame (10 ms apart), by normalised
// autocorrelation; 0 for unvoiced and silent frames, and for those more
// than an octave from the median (a whisper's formant taken for a pitch).
std::vector<double> PitchContour(std::span<const std::int16_t> samples, int sampleRate);

// The same with the frames without a pitch left out.
std::vector<double> PitchTrack(std::span<const std::int16_t> samples, int sampleRate);

// Mean power in dB (of 16-bit sample values) over the 20 ms frames that
// hold sound, those within 30 dB of the loudest: pauses do not count.
double LoudnessDb(std::span<const std::int16_t> samples, int sampleRate);

// The median pitch of each of `parts` stretches of the sound, split at the
// deepest dips of its loudness (in あめが, the nasal and the stop part the
// three morae). Empty when the sound has fewer dips.
std::vector<double> PartPitches(std::span<const std::int16_t> samples, int sampleRate,
                                size_t parts);

// How far the pitch climbs at the end of the speech, in semitones: from the
// lowest point of its last voiced stretch to the peak after it. A
// question's last mora rises from its start; a statement's end falls, and
// gives about 0. Dropouts of the tracker, a lone frame after the end and single
// frames an octave off are passed over.
double FinalRise(std::span<const std::int16_t> samples, int sampleRate);

// How many semitones `to` lies above `from`.
double Semitones(double from, double to);

// The p-th fraction (0..1) of the values, 0 when there are none.
double Percentile(std::vector<double> values, double p);

}  // namespace velmora::test
