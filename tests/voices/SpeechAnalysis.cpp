#include "SpeechAnalysis.h"

#include <algorithm>
#include <cmath>

namespace velmora::test {
namespace {

std::uint32_t Le(std::span<const unsigned char> bytes, size_t at, size_t width) {
    std::uint32_t value = 0;
    for (size_t i = 0; i < width; ++i) {
        value |= static_cast<std::uint32_t>(bytes[at + i]) << (8 * i);
    }
    return value;
}

std::string Tag(std::span<const unsigned char> bytes, size_t at) {
    return std::string(reinterpret_cast<const char*>(bytes.data()) + at, 4);
}

// Lag of the first autocorrelation peak close to the best one: taking the
// best peak alone would often land an octave low.
double FramePitch(std::span<const std::int16_t> samples, int sampleRate) {
    const std::vector<double> frame(samples.begin(), samples.end());
    constexpr double kMinPitch = 50;
    constexpr double kMaxPitch = 500;
    const auto shortest = static_cast<size_t>(sampleRate / kMaxPitch);
    const auto longest = static_cast<size_t>(sampleRate / kMinPitch);
    if (frame.size() <= 2 * longest) {
        return 0;
    }
    double energy = 0;
    for (double s : frame) {
        energy += s * s;
    }
    if (energy / static_cast<double>(frame.size()) < 2e5) {
        return 0;
    }
    const size_t span = frame.size() - longest - 1;  // lags run to longest + 1
    std::vector<double> r(longest + 2, 0.0);
    double best = 0;
    for (size_t lag = shortest; lag <= longest + 1; ++lag) {
        double cross = 0, a = 0, b = 0;
        for (size_t i = 0; i < span; ++i) {
            cross += frame[i] * frame[i + lag];
            a += frame[i] * frame[i];
            b += frame[i + lag] * frame[i + lag];
        }
        r[lag] = cross / std::sqrt(a * b + 1);
        best = std::max(best, r[lag]);
    }
    if (best < 0.6) {
        return 0;
    }
    for (size_t lag = shortest + 1; lag <= longest; ++lag) {
        if (r[lag] >= 0.9 * best && r[lag] >= r[lag - 1] && r[lag] >= r[lag + 1]) {
            return sampleRate / static_cast<double>(lag);
        }
    }
    return 0;
}

}  // namespace

std::optional<WaveHeader> ReadWaveHeader(std::span<const unsigned char> image) {
    if (image.size() < 44) {
        return std::nullopt;
    }
    WaveHeader h;
    h.riff = Tag(image, 0);
    h.riffSize = Le(image, 4, 4);
    h.wave = Tag(image, 8);
    h.fmt = Tag(image, 12);
    h.fmtSize = Le(image, 16, 4);
    h.format = static_cast<std::uint16_t>(Le(image, 20, 2));
    h.channels = static_cast<std::uint16_t>(Le(image, 22, 2));
    h.sampleRate = Le(image, 24, 4);
    h.byteRate = Le(image, 28, 4);
    h.blockAlign = static_cast<std::uint16_t>(Le(image, 32, 2));
    h.bitsPerSample = static_cast<std::uint16_t>(Le(image, 34, 2));
    h.data = Tag(image, 36);
    h.dataSize = Le(image, 40, 4);
    return h;
}

std::vector<std::int16_t> SamplesOf(std::span<const unsigned char> image) {
    std::vector<std::int16_t> samples;
    for (size_t at = 44; at + 1 < image.size(); at += 2) {
        samples.push_back(static_cast<std::int16_t>(static_cast<std::uint16_t>(Le(image, at, 2))));
    }
    return samples;
}

std::vector<double> PitchTrack(std::span<const std::int16_t> samples, int sampleRate) {
    const auto frame = static_cast<size_t>(sampleRate / 20);
    const auto hop = static_cast<size_t>(sampleRate / 100);
    std::vector<double> pitches;
    for (size_t at = 0; at + frame <= samples.size(); at += hop) {
        if (const double pitch = FramePitch(samples.subspan(at, frame), sampleRate); pitch > 0) {
            pitches.push_back(pitch);
        }
    }
    return pitches;
}

double Percentile(std::vector<double> values, double p) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const auto index = static_cast<size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[index];
}

}  // namespace velmora::test
