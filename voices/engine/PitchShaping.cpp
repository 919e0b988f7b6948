#include "engine/PitchShaping.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace velmora::voice {
namespace {

constexpr double kSemitone = 0.057762265046662105;  // ln 2 / 12
// Glides between morae: 45 ms at the 5 ms frames of the voices.
constexpr size_t kGlideFrames = 9;
// How far sharpening moves a mora towards the level of its accent (the
// rest keeps the voice's own fall through the phrase), and the share of
// the mora's own rise or fall it keeps.
constexpr double kTowardLevel = 0.7;
constexpr double kKeptMovement = 0.5;

bool Voiced(double value) {
    return !std::isnan(value);
}

// A moving average that keeps the ends of the track where they were.
std::vector<double> Smoothed(const std::vector<double>& track, size_t width) {
    std::vector<double> out(track.size());
    const size_t half = width / 2;
    for (size_t i = 0; i < track.size(); ++i) {
        const size_t first = i >= half ? i - half : 0;
        const size_t last = std::min(track.size(), i + half + 1);
        double sum = 0;
        for (size_t j = first; j < last; ++j) {
            sum += track[j];
        }
        out[i] = sum / static_cast<double>(last - first);
    }
    return out;
}

double MeanOver(const std::vector<double>& logF0, const MoraFrames& mora) {
    double sum = 0;
    size_t count = 0;
    for (size_t t = mora.begin; t < std::min(mora.end, logF0.size()); ++t) {
        if (Voiced(logF0[t])) {
            sum += logF0[t];
            ++count;
        }
    }
    return count == 0 ? kUnvoiced : sum / static_cast<double>(count);
}

// The change each frame of one accent phrase needs for its high morae to
// sit `semitones` above its low ones (or as far as the voice put them, if
// further), with the phrase as a whole where it was. Only half of each
// mora's own movement is kept: the voices' late peaks would blur the step
// otherwise.
void SharpenPhrase(const std::vector<double>& logF0, std::span<const MoraFrames> phrase,
                   double semitones, std::vector<double>& delta) {
    std::vector<double> means;
    double high = 0, low = 0, highCount = 0, lowCount = 0;
    for (const MoraFrames& mora : phrase) {
        means.push_back(MeanOver(logF0, mora));
        if (Voiced(means.back())) {
            (mora.high ? high : low) += means.back();
            (mora.high ? highCount : lowCount) += 1;
        }
    }
    if (highCount == 0 || lowCount == 0) {
        return;  // nothing to set apart
    }
    high /= highCount;
    low /= lowCount;
    const double share = highCount / (highCount + lowCount);
    const double base = share * high + (1 - share) * low;
    const double step = std::max(semitones * kSemitone, high - low);
    for (size_t i = 0; i < phrase.size(); ++i) {
        if (!Voiced(means[i])) {
            continue;
        }
        const double level = phrase[i].high ? base + step * (1 - share) : base - step * share;
        const double target = means[i] + kTowardLevel * (level - means[i]);
        for (size_t t = phrase[i].begin; t < std::min(phrase[i].end, logF0.size()); ++t) {
            const double own = Voiced(logF0[t]) ? logF0[t] - means[i] : 0;
            delta[t] = target - means[i] - (1 - kKeptMovement) * own;
        }
    }
}

}  // namespace

void SharpenAccent(std::vector<double>& logF0, const std::vector<MoraFrames>& morae,
                   double semitones) {
    std::vector<double> delta(logF0.size(), 0.0);
    for (size_t first = 0; first < morae.size();) {
        size_t last = first;
        while (last < morae.size() && morae[last].phrase == morae[first].phrase) {
            ++last;
        }
        SharpenPhrase(logF0, std::span(morae).subspan(first, last - first), semitones, delta);
        first = last;
    }
    delta = Smoothed(delta, kGlideFrames);
    for (size_t t = 0; t < logF0.size(); ++t) {
        if (Voiced(logF0[t])) {
            logF0[t] += delta[t];
        }
    }
}

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
    const size_t end = std::min(mora.end, logF0.size());
    const auto first =
        std::find_if(logF0.begin() + static_cast<std::ptrdiff_t>(std::min(mora.begin, end)),
                     logF0.begin() + static_cast<std::ptrdiff_t>(end), Voiced);
    if (first == logF0.begin() + static_cast<std::ptrdiff_t>(end)) {
        return;
    }
    // From where the mora starts, whatever the voice did after it.
    const double start = *first;
    const auto length = static_cast<double>(end - mora.begin);
    for (size_t t = mora.begin; t < end; ++t) {
        if (Voiced(logF0[t])) {
            logF0[t] =
                start + semitones * kSemitone * static_cast<double>(t - mora.begin + 1) / length;
        }
    }
}

}  // namespace velmora::voice
