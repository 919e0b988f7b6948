#pragma once

#include <cstddef>
#include <limits>
#include <vector>

namespace velmora::voice {

// The log-F0 track of an utterance as the synthesizer generated it, one
// value per frame; unvoiced frames hold kUnvoiced and stay unvoiced.
inline constexpr double kUnvoiced = std::numeric_limits<double>::quiet_NaN();

// Where one mora lies in the track: frames [begin, end).
struct MoraFrames {
    size_t begin = 0;
    size_t end = 0;
    bool high = false;
};

// The median of the voiced frames; kUnvoiced when there are none.
double MedianPitch(const std::vector<double>& logF0);

// One pitch, `level`, for every voiced frame.
void FlattenPitch(std::vector<double>& logF0, double level);

// Each mora on one of two pitches, `semitones` apart around `level`: the
// accent as a machine would sing it.
void StepPitch(std::vector<double>& logF0, const std::vector<MoraFrames>& morae, double level,
               double semitones);

// A question's rise: from the pitch the mora starts on, it climbs by
// `semitones` over its voiced frames, in place of what the voice generated
// there (the voices fall at the end of anything).
void RaisePitch(std::vector<double>& logF0, const MoraFrames& mora, double semitones);

// A statement's end: no frame of the mora above the pitch it starts on.
void KeepFromRising(std::vector<double>& logF0, const MoraFrames& mora);

}  // namespace velmora::voice
