#pragma once

#include <string_view>

namespace velmora::voice {

// What makes one of the six voices sound like itself: an espeak-ng
// variant of the Japanese voice and where on the synthesizer's pitch scale
// (0..100) its accent phrases sit.
struct VoiceProfile {
    std::string_view folder;       // f1 f2 m1 m2 r1 r2
    std::string_view espeakVoice;  // "ja+<variant>"
    int lowPitch;                  // unaccented morae
    int highPitch;                 // accented morae
    int pitchRange;                // espeak-ng's intonation range; 0 is a monotone
    int naturalRate;               // words per minute at speed 100
};

// The profile of voice 0..5; voice numbers outside that range get voice 0.
const VoiceProfile& VoiceProfileFor(int voice);

}  // namespace velmora::voice
