#pragma once

#include <cstddef>
#include <vector>

#include "engine/HtsShaping.h"
#include "engine/LabelMorae.h"
#include "engine/PitchShaping.h"
#include "engine/VoiceProfile.h"

namespace velmora::voice {

// The pitch of one utterance in one voice: the voice's own (or the robots'
// flat or stepped pitch), every question's last vowel drawn out, sustained
// and rising, which the voice files do not do of themselves, and every
// statement's last mora kept from rising, which they sometimes do.
class UtteranceProsody final : public HtsShaping {
public:
    // `questions` and `statements` are indices into `morae`: the morae
    // right before a "?", and those that end a sentence otherwise.
    UtteranceProsody(std::vector<LabelMora> morae, std::vector<size_t> questions,
                     std::vector<size_t> statements, const VoiceProfile& profile);

    void ShapeStates(std::vector<HtsState>& states, size_t statesPerLabel) override;
    void ShapePitch(std::vector<double>& logF0, const std::vector<HtsState>& states,
                    size_t statesPerLabel) override;
    void ShapeSpectrum(std::vector<std::vector<double>>& spectrum,
                       const std::vector<HtsState>& states, size_t statesPerLabel) override;

private:
    std::vector<MoraFrames> FramesOfMorae(const std::vector<HtsState>& states,
                                          size_t statesPerLabel) const;
    double RobotLevel(const std::vector<double>& logF0,
                      const std::vector<MoraFrames>& frames) const;

    std::vector<LabelMora> morae_;
    std::vector<size_t> questions_;
    std::vector<size_t> statements_;
    const VoiceProfile& profile_;
};

}  // namespace velmora::voice
