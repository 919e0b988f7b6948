#pragma once

#include <cstddef>
#include <vector>

#include "engine/HtsShaping.h"
#include "engine/LabelMorae.h"
#include "engine/PitchShaping.h"
#include "engine/VoiceProfile.h"

namespace velmora::voice {

// The pitch of one utterance in one voice: the accent sharpened (or the
// robots' flat or stepped pitch), and every question's last mora drawn out
// and rising, which the voice files do not do of themselves.
class UtteranceProsody final : public HtsShaping {
public:
    // `questions` are indices into `morae`: the morae right before a "?".
    UtteranceProsody(std::vector<LabelMora> morae, std::vector<size_t> questions,
                     const VoiceProfile& profile);

    void ShapeStates(std::vector<HtsState>& states, size_t statesPerLabel) override;
    void ShapePitch(std::vector<double>& logF0, const std::vector<HtsState>& states,
                    size_t statesPerLabel) override;

private:
    std::vector<MoraFrames> FramesOfMorae(const std::vector<HtsState>& states,
                                          size_t statesPerLabel) const;
    double RobotLevel(const std::vector<double>& logF0,
                      const std::vector<MoraFrames>& frames) const;

    std::vector<LabelMora> morae_;
    std::vector<size_t> questions_;
    const VoiceProfile& profile_;
};

}  // namespace velmora::voice
