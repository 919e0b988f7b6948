#include "engine/VoiceProfile.h"

#include <array>

namespace velmora::voice {

const VoiceProfile& VoiceProfileFor(int voice) {
    // Chosen so that every two voices lie well apart in median pitch: the
    // robots between and below the human voices, and flat.
    static const std::array<VoiceProfile, 6> kProfiles = {{
        {"f1", "ja+f2", 30, 65, 50, 165},
        {"f2", "ja+f5", 55, 90, 55, 170},
        {"m1", "ja+m1", 20, 55, 50, 160},
        {"m2", "ja+m3", 40, 75, 45, 150},
        {"r1", "ja+robosoft", 35, 50, 0, 160},
        {"r2", "ja+UniRobot", 68, 80, 0, 175},
    }};
    if (voice < 0 || voice >= static_cast<int>(kProfiles.size())) {
        voice = 0;
    }
    return kProfiles[static_cast<size_t>(voice)];
}

}  // namespace velmora::voice
