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

// Lag of the first autocorrelation peak close to the best one (taking the
// best peak alone would often land an octave low), refined between its
// neighbours: at 8000 Hz a whole lag is a step of 5 % at 400 Hz.
double FramePitch(std::span<const std::int16_t> samples, int sampleRate) {
    const std::vector<double> frame(samples.begin(), samples.end());
    constexpr double kMinPitch = 50;
    constexpr double kMaxPitch = 800;
    const auto shortest = static_cast<size_t>(sampleRate / kMaxPitch);
    const auto longest = static_cast<size_t>(sampleRate / kMinPitch);
    if (frame.size() <= 2 * longest) {
        return 0;
    }
    double energy = 0;
    for (double s : frame) {
        energy += s * s;
    }
    if (energy / static_cast<double>(frame.size()) < 2e4) {
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
            const double curve = r[lag - 1] - 2 * r[lag] + r[lag + 1];
            const double shift = curve < 0 ? 0.5 * (r[lag - 1] - r[lag + 1]) / curve : 0;
            return sampleRate / (static_cast<double>(lag) + shift);
        }
    }
    return 0;
}

// Mean power of the 20 ms frame at each 10 ms step from `offset` samples
// on; 0 for the frames more than 30 dB below the loudest, so the silences
// around and between words do not count.
std::vector<double> FrameEnergies(std::span<const std::int16_t> samples, int sampleRate,
                                  int offset) {
    const auto frame = static_cast<size_t>(sampleRate / 50);
    const auto hop = static_cast<size_t>(sampleRate / 100);
    std::vector<double> energies;
    for (size_t at = static_cast<size_t>(offset); at + frame <= samples.size(); at += hop) {
        double energy = 0;
        for (size_t i = at; i < at + frame; ++i) {
            energy += static_cast<double>(samples[i]) * samples[i];
        }
        energies.push_back(energy / static_cast<double>(frame));
    }
    const double loudest =
        energies.empty() ? 0 : *std::max_element(energies.begin(), energies.end());
    for (double& energy : energies) {
        if (energy <= loudest / 1000) {
            energy = 0;
        }
    }
    return energies;
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

std::vector<double> PitchContour(std::span<const std::int16_t> samples, int sampleRate) {
    const auto frame = static_cast<size_t>(sampleRate / 20);
    const auto hop = static_cast<size_t>(sampleRate / 100);
    std::vector<double> pitches;
    for (size_t at = 0; at + frame <= samples.size(); at += hop) {
        pitches.push_back(FramePitch(samples.subspan(at, frame), sampleRate));
    }
    // A whispered vowel rings at its first formant, which the correlation
    // takes for a pitch far above the voice's own.
    std::vector<double> voiced = pitches;
    std::erase(voiced, 0.0);
    const double median = Percentile(voiced, 0.5);
    for (double& pitch : pitches) {
        if (pitch > 2 * median || pitch < median / 2) {
            pitch = 0;
        }
    }
    return pitches;
}

std::vector<double> PitchTrack(std::span<const std::int16_t> samples, int sampleRate) {
    std::vector<double> pitches = PitchContour(samples, sampleRate);
    std::erase(pitches, 0.0);
    return pitches;
}

double LoudnessDb(std::span<const std::int16_t> samples, int sampleRate) {
    double sum = 0;
    size_t count = 0;
    for (const double energy : FrameEnergies(samples, sampleRate, 0)) {
        if (energy > 0) {
            sum += energy;
            ++count;
        }
    }
    return count == 0 ? 0 : 10 * std::log10(sum / static_cast<double>(count));
}

std::vector<double> PartPitches(std::span<const std::int16_t> samples, int sampleRate,
                                size_t parts) {
    const std::vector<double> pitches = PitchContour(samples, sampleRate);
    // Loudness in dB on the pitch frames' centres, the silences left at 0.
    std::vector<double> level;
    for (const double energy : FrameEnergies(samples, sampleRate, sampleRate * 3 / 200)) {
        level.push_back(energy > 0 ? 10 * std::log10(energy) : 0);
    }
    level.resize(std::min(level.size(), pitches.size()));
    const auto sounding = [&](size_t i) { return level[i] > 0; };
    const auto first = static_cast<size_t>(
        std::find_if(level.begin(), level.end(), [](double l) { return l > 0; }) - level.begin());
    size_t last = level.size();
    while (last > first && !sounding(last - 1)) {
        --last;
    }
    // The deepest dips at least 50 ms apart and from either end.
    constexpr size_t kApart = 5;
    std::vector<size_t> dips;
    while (dips.size() + 1 < parts) {
        size_t best = 0;
        for (size_t i = first + kApart; i + kApart < last; ++i) {
            const bool dip = level[i] <= level[i - 1] && level[i] <= level[i + 1];
            const bool apart = std::all_of(dips.begin(), dips.end(), [&](size_t d) {
                return (i > d ? i - d : d - i) >= kApart;
            });
            if (dip && apart && (best == 0 || level[i] < level[best])) {
                best = i;
            }
        }
        if (best == 0) {
            return {};
        }
        dips.push_back(best);
    }
    std::sort(dips.begin(), dips.end());
    dips.insert(dips.begin(), first);
    dips.push_back(last);
    std::vector<double> medians;
    for (size_t part = 0; part + 1 < dips.size(); ++part) {
        std::vector<double> voiced;
        for (size_t i = dips[part]; i < dips[part + 1]; ++i) {
            if (pitches[i] > 0) {
                voiced.push_back(pitches[i]);
            }
        }
        medians.push_back(Percentile(voiced, 0.5));
    }
    return medians;
}

double FinalRise(std::span<const std::int16_t> samples, int sampleRate) {
    std::vector<double> contour = PitchContour(samples, sampleRate);
    // A lone voiced frame after the last stretch is the tracker catching a
    // breath or a click as the voice fades out, not a pitch of the speech.
    for (size_t i = contour.size(); i-- > 1;) {
        if (contour[i] != 0 && contour[i - 1] != 0) {
            break;
        }
        contour[i] = 0;
    }
    // The last voiced stretch, through gaps of a few frames where the pitch
    // goes on as it was, or climbs on (the tracker loses a pitch that moves
    // fast); a fall across a gap is where one mora's vowel ends and the
    // next one's begins.
    constexpr size_t kGap = 5;
    constexpr double kFallAcross = 2;
    constexpr double kClimbAcross = 3;
    std::vector<double> stretch;
    size_t gap = 0;
    for (size_t i = contour.size(); i-- > 0;) {
        if (contour[i] == 0) {
            if (!stretch.empty() && ++gap > kGap) {
                break;
            }
            continue;
        }
        const double climb = stretch.empty() ? 0 : Semitones(contour[i], stretch.front());
        if (gap > 0 && (climb < -kFallAcross || climb > kClimbAcross)) {
            break;
        }
        stretch.insert(stretch.begin(), contour[i]);
        gap = 0;
    }
    if (stretch.size() < 3) {
        return 0;
    }
    // The peak is taken from medians of three frames, the start from the
    // frames themselves but those far from both neighbours: either way a
    // frame where the tracker took a harmonic for the pitch (an octave off)
    // does not count, and the first frame of the climb does.
    constexpr double kOutlier = 4;
    std::vector<double> smooth(stretch.size());
    for (size_t i = 0; i < stretch.size(); ++i) {
        const size_t first = std::min(i > 0 ? i - 1 : 0, stretch.size() - 3);
        smooth[i] = Percentile({stretch.begin() + static_cast<std::ptrdiff_t>(first),
                                stretch.begin() + static_cast<std::ptrdiff_t>(first + 3)},
                               0.5);
    }
    const auto peak =
        static_cast<size_t>(std::max_element(smooth.begin(), smooth.end()) - smooth.begin());
    double start = smooth[peak];
    for (size_t i = 0; i <= peak; ++i) {
        const bool farBefore = i == 0 || std::abs(Semitones(stretch[i - 1], stretch[i])) > kOutlier;
        const bool farAfter =
            i + 1 == stretch.size() || std::abs(Semitones(stretch[i + 1], stretch[i])) > kOutlier;
        if (!farBefore || !farAfter) {
            start = std::min(start, stretch[i]);
        }
    }
    return Semitones(start, smooth[peak]);
}

double Semitones(double from, double to) {
    return 12 * std::log2(to / from);
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
