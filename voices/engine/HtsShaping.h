#pragma once

#include <cstddef>
#include <vector>

namespace velmora::voice {

// One state of the utterance as the synthesizer laid it out: how many
// frames it lasts and how likely its frames are to be voiced (they are
// above one half).
struct HtsState {
    size_t frames = 0;
    double voicing = 0;
};

// Edits of one utterance between the synthesizer's steps.
class HtsShaping {
public:
    virtual ~HtsShaping() = default;
    // The states, `statesPerLabel` to a label, before any parameter is
    // generated from them.
    virtual void ShapeStates(std::vector<HtsState>& states, size_t statesPerLabel) = 0;
    // The generated log-F0 track (kUnvoiced on unvoiced frames), with the
    // states as they were finally used, to find each label's frames.
    virtual void ShapePitch(std::vector<double>& logF0, const std::vector<HtsState>& states,
                            size_t statesPerLabel) = 0;
    // The generated spectrum, one vector of mel-cepstral coefficients a
    // frame (the first is the log gain), after ShapePitch.
    virtual void ShapeSpectrum(std::vector<std::vector<double>>& spectrum,
                               const std::vector<HtsState>& states, size_t statesPerLabel) = 0;
};

}  // namespace velmora::voice
