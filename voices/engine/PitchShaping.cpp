#include "engine/PitchShaping.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace velmora::voice {
namespace {

constexpr double kSemitone = 0.057762265046662105;  // ln 2 / 12

bool Voiced(double value) {
    return !std::isnan(value);
}

// The voiced frames of a mora, first to last, and the pitch it starts on.
struct VoicedSpan {
    size_t first = 0;
    size_t last = 0;
    double start = 0;
};

std::optional<VoicedSpan> VoicedSpanOf(const std::vector<double>& logF0, const MoraFrames& mora) {
    const size_t end = std::min(mora.end, logF0.size());
    std::optional<VoicedSpan> span;
    for (size_t t = std::min(mora.begin, end); t < end; ++t) {
        if (Voiced(logF0[t])) {
            if (!span) {
                span = VoicedSpan{.first = t, .last = t, .start = logF0[t]};
            }
            span->last = t;
        }
    }
    return span;
}

}  // namespace

double MedianPitch(const std::vector<double>& logF0) {
    std::vector<double> voiced;
    std::copy_if(logF0.begin(), logF0.end(), std::back_inserter(voiced), Voiced);
    if (voiced.empty()) {
        return kUnvoiced;
    }
    const auto middle = voiced.begin() + static_cast<std::ptrdiff_t>(voiced.size() / 2);
    std::nth_element(voiced.begin(), middle, voiced.end());
    return *middle;
}

void FlattenPitch(std::vector<double>& logF0, double level) {
    for (double& value : logF0) {
        if (Voiced(value)) {
            value = level;
        }
    }
}

void StepPitch(std::vector<double>& logF0, const std::vector<MoraFrames>& morae, double level,
               double semitones) {
    const double step = semitones / 2 * kSemitone;
    FlattenPitch(logF0, level);
    for (const MoraFrames& mora : morae) {
        for (size_t t = mora.begin; t < std::min(mora.end, logF0.size()); ++t) {
            if (Voiced(logF0[t])) {
                logF0[t] = level + (mora.high ? step : -step);
            }
        }
    }
}

void RaisePitch(std::vector<double>& logF0, const MoraFrames& mora, double semitones) {
    const auto span = VoicedSpanOf(logF0, mora);
    if (!span) {
        return;
    }
    // Up to the top by this share of the voiced frames, then held there: a
    // sentence's last vowel fades into breath, and a rise left to its last
    // frames is not heard. Quick at first and easing off, as a voice asks.
    constexpr double kTopAt = 0.7;
    const auto frames = static_cast<double>(span->last - span->first + 1);
    for (size_t t = span->first; t <= span->last; ++t) {
        if (Voiced(logF0[t])) {
            const double x =
                std::min(1.0, static_cast<double>(t - span->first + 1) / frames / kTopAt);
            logF0[t] = span->start + semitones * kSemitone * (1 - (1 - x) * (1 - x));
        }
    }
}

void KeepFromRising(std::vector<double>& logF0, const MoraFrames& mora) {
    const auto span = VoicedSpanOf(logF0, mora);
    if (!span) {
        return;
    }
    for (size_t t = span->first; t <= span->last; ++t) {
        logF0[t] = std::min(logF0[t], span->start);  // NaN stays NaN
    }
}

}  // namespace velmora::voice
