#pragma once

#include <string_view>

namespace velmora::voice {

// How a voice treats the pitch the synthesizer generates: as it is (the
// voice file's own rendering of the accents the labels give), one flat
// pitch, or two pitches stepping with the accent.
enum class RobotPitch { None, Flat, Stepped };

// What makes one of the six voices sound like itself: the HTS voice file it
// is made from and how that file is played.
struct VoiceProfile {
    std::string_view folder;     // f1 f2 m1 m2 r1 r2
    std::string_view voiceFile;  // in the program's htsvoice folder
    double halfTones;            // pitch moved by this many semitones
    double alpha;                // all-pass constant: the higher, the darker
    double volumeDb;             // gain, so that every voice is as loud
    double tempo;                // the engine's speed at speed 100 (1: the file's own pace)
    RobotPitch robot;
};

// The profile of voice 0..5; voice numbers outside that range get voice 0.
const VoiceProfile& VoiceProfileFor(int voice);

}  // namespace velmora::voice
