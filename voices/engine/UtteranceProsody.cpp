#include "engine/UtteranceProsody.h"

#include <algorithm>
#include <cmath>

#include "engine/PitchShaping.h"

namespace velmora::voice {
namespace {

// A question's last vowel is drawn out to this many times its length and
// climbs this many semitones over it: less is heard as a statement.
constexpr double kQuestionLengthening = 1.8;
constexpr double kQuestionRise = 6.0;
// A question's last vowel keeps the loudness of its loudest frame, fading
// by this much of the log gain (about 9 dB) over its last fifth only: the
// voices let a sentence's last vowel die into breath early, and a rise
// that cannot be heard asks nothing.
constexpr double kQuestionFade = 1.0;
constexpr double kQuestionFadeFrom = 0.8;
// The two pitches of the stepped robot.
constexpr double kRobotStep = 3.0;

// The first frame of each label, from the lengths of its states, and the
// end of the track after the last.
std::vector<size_t> LabelStarts(const std::vector<HtsState>& states, size_t statesPerLabel) {
    std::vector<size_t> labelStart(states.size() / statesPerLabel + 1, 0);
    for (size_t s = 0; s < states.size(); ++s) {
        labelStart[s / statesPerLabel + 1] += states[s].frames;
    }
    for (size_t l = 1; l < labelStart.size(); ++l) {
        labelStart[l] += labelStart[l - 1];
    }
    return labelStart;
}

}  // namespace

UtteranceProsody::UtteranceProsody(std::vector<LabelMora> morae, std::vector<size_t> questions,
                                   std::vector<size_t> statements, const VoiceProfile& profile)
    : morae_(std::move(morae)),
      questions_(std::move(questions)),
      statements_(std::move(statements)),
      profile_(profile) {}

void UtteranceProsody::ShapeStates(std::vector<HtsState>& states, size_t statesPerLabel) {
    // The voices end a sentence on a whisper; a question's last vowel is
    // voiced through, or there would be nothing to rise.
    for (const size_t question : questions_) {
        const LabelMora& mora = morae_[question];
        const size_t vowel = mora.firstLabel + mora.labelCount - 1;
        for (size_t s = vowel * statesPerLabel;
             s < (vowel + 1) * statesPerLabel && s < states.size(); ++s) {
            states[s].frames = static_cast<size_t>(
                std::lround(static_cast<double>(states[s].frames) * kQuestionLengthening));
            states[s].voicing = 1;
        }
    }
}

// Where each mora lies in the track.
std::vector<MoraFrames> UtteranceProsody::FramesOfMorae(const std::vector<HtsState>& states,
                                                        size_t statesPerLabel) const {
    const std::vector<size_t> labelStart = LabelStarts(states, statesPerLabel);
    std::vector<MoraFrames> frames;
    for (const LabelMora& mora : morae_) {
        const size_t end = std::min(mora.firstLabel + mora.labelCount, labelStart.size() - 1);
        frames.push_back({.begin = labelStart[std::min(mora.firstLabel, end)],
                          .end = labelStart[end],
                          .high = mora.high});
    }
    return frames;
}

// The robots keep to the pitch of the words themselves: a question's last
// vowel, voiced from states the voice would have whispered, would move it.
// A question of one mora has nothing else to go by.
double UtteranceProsody::RobotLevel(const std::vector<double>& logF0,
                                    const std::vector<MoraFrames>& frames) const {
    std::vector<double> words = logF0;
    for (const size_t question : questions_) {
        std::fill(words.begin() + static_cast<std::ptrdiff_t>(frames[question].begin),
                  words.begin() + static_cast<std::ptrdiff_t>(frames[question].end), kUnvoiced);
    }
    const double level = MedianPitch(words);
    return std::isnan(level) ? MedianPitch(logF0) : level;
}

void UtteranceProsody::ShapePitch(std::vector<double>& logF0, const std::vector<HtsState>& states,
                                  size_t statesPerLabel) {
    if (statesPerLabel == 0) {
        return;
    }
    const std::vector<MoraFrames> frames = FramesOfMorae(states, statesPerLabel);
    switch (profile_.robot) {
        case RobotPitch::Flat:
            FlattenPitch(logF0, RobotLevel(logF0, frames));
            break;
        case RobotPitch::Stepped:
            StepPitch(logF0, frames, RobotLevel(logF0, frames), kRobotStep);
            break;
        case RobotPitch::None:
            break;  // the voice's own pitch, the accent as the labels put it
    }
    for (const size_t question : questions_) {
        RaisePitch(logF0, frames[question], kQuestionRise);
    }
    // Mei raises a sentence-final か as in the questions she learned it
    // from, "?" or not.
    for (const size_t statement : statements_) {
        KeepFromRising(logF0, frames[statement]);
    }
}

void UtteranceProsody::ShapeSpectrum(std::vector<std::vector<double>>& spectrum,
                                     const std::vector<HtsState>& states, size_t statesPerLabel) {
    if (statesPerLabel == 0) {
        return;
    }
    const std::vector<size_t> labelStart = LabelStarts(states, statesPerLabel);
    for (const size_t question : questions_) {
        const LabelMora& mora = morae_[question];
        const size_t vowel = mora.firstLabel + mora.labelCount - 1;
        if (vowel + 1 >= labelStart.size()) {
            continue;
        }
        const size_t begin = labelStart[vowel];
        const size_t end = std::min(labelStart[vowel + 1], spectrum.size());
        if (end <= begin + 1) {
            continue;
        }
        // The loudest frame of the vowel's first half.
        size_t loudest = begin;
        for (size_t t = begin; t < begin + (end - begin + 1) / 2; ++t) {
            if (spectrum[t][0] > spectrum[loudest][0]) {
                loudest = t;
            }
        }
        const auto fadeFrom =
            static_cast<double>(begin) + kQuestionFadeFrom * static_cast<double>(end - begin);
        const auto fadeLength = static_cast<double>(end) - fadeFrom;
        for (size_t t = loudest + 1; t < end; ++t) {
            const double fade =
                std::max(0.0, (static_cast<double>(t) - fadeFrom) / fadeLength) * kQuestionFade;
            spectrum[t][0] = std::max(spectrum[t][0], spectrum[loudest][0] - fade);
        }
    }
}

}  // namespace velmora::voice
