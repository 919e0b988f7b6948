#include "support/SignalAnalysis.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace velmora::test {

double Rms(std::span<const std::int16_t> samples, std::size_t from, std::size_t to) {
    to = std::min(to, samples.size());
    if (from >= to) {
        return 0;
    }
    double sum = 0;
    for (std::size_t i = from; i < to; ++i) {
        const double v = samples[i] / 32768.0;
        sum += v * v;
    }
    return std::sqrt(sum / static_cast<double>(to - from));
}

double ToneLevel(std::span<const std::int16_t> samples, std::size_t from, std::size_t to,
                 double frequency, int rate) {
    to = std::min(to, samples.size());
    if (from >= to) {
        return 0;
    }
    const double w = 2 * std::numbers::pi * frequency / rate;
    const double coefficient = 2 * std::cos(w);
    double s1 = 0;
    double s2 = 0;
    for (std::size_t i = from; i < to; ++i) {
        const double s0 = samples[i] / 32768.0 + coefficient * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    const double power = s1 * s1 + s2 * s2 - coefficient * s1 * s2;
    return 2 * std::sqrt(std::max(power, 0.0)) / static_cast<double>(to - from);
}

std::optional<std::size_t> FirstAbove(std::span<const std::int16_t> samples, double threshold,
                                      std::size_t from) {
    const auto limit = static_cast<int>(threshold * 32768);
    for (std::size_t i = from; i < samples.size(); ++i) {
        if (std::abs(static_cast<int>(samples[i])) > limit) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> LastAbove(std::span<const std::int16_t> samples, double threshold) {
    const auto limit = static_cast<int>(threshold * 32768);
    for (std::size_t i = samples.size(); i > 0; --i) {
        if (std::abs(static_cast<int>(samples[i - 1])) > limit) {
            return i - 1;
        }
    }
    return std::nullopt;
}

std::size_t CountBursts(std::span<const std::int16_t> samples, double frequency, int rate,
                        double threshold, std::size_t window) {
    std::size_t bursts = 0;
    bool inBurst = false;
    for (std::size_t from = 0; from + window <= samples.size(); from += window) {
        const bool loud = ToneLevel(samples, from, from + window, frequency, rate) > threshold;
        if (loud && !inBurst) {
            ++bursts;
        }
        inBurst = loud;
    }
    return bursts;
}

}  // namespace velmora::test
