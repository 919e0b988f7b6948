#include "engine/VoiceProfile.h"

#include <array>

namespace velmora::voice {

const VoiceProfile& VoiceProfileFor(int voice) {
    // Two voice files make six voices. Their median pitches lie at least a
    // quarter apart (r1 about 90 Hz, m1 115, m2 140, r2 250, f1 330, f2
    // 430); the gains bring all six within about two decibels of each
    // other, and the tempo brings the male voice file, a slower reader, to
    // the pace of the female one.
    static const std::array<VoiceProfile, 6> kProfiles = {{
        {.folder = "f1",
         .voiceFile = "mei_normal.htsvoice",
         .halfTones = -2,
         .alpha = 0.55,
         .volumeDb = 0,
         .tempo = 1,
         .robot = RobotPitch::None},
        {.folder = "f2",
         .voiceFile = "mei_happy.htsvoice",
         .halfTones = 0,
         .alpha = 0.53,
         .volumeDb = 0.8,
         .tempo = 1.1,
         .robot = RobotPitch::None},
        {.folder = "m1",
         .voiceFile = "nitech_jp_atr503_m001.htsvoice",
         .halfTones = 0,
         .alpha = 0.55,
         .volumeDb = 3,
         .tempo = 1.13,
         .robot = RobotPitch::None},
        {.folder = "m2",
         .voiceFile = "nitech_jp_atr503_m001.htsvoice",
         .halfTones = 4,
         .alpha = 0.52,
         .volumeDb = 2.7,
         .tempo = 1.13,
         .robot = RobotPitch::None},
        {.folder = "r1",
         .voiceFile = "nitech_jp_atr503_m001.htsvoice",
         .halfTones = -4,
         .alpha = 0.58,
         .volumeDb = 3.6,
         .tempo = 1.13,
         .robot = RobotPitch::Flat},
        {.folder = "r2",
         .voiceFile = "mei_normal.htsvoice",
         .halfTones = -8,
         .alpha = 0.60,
         .volumeDb = 0.8,
         .tempo = 1,
         .robot = RobotPitch::Stepped},
    }};
    if (voice < 0 || voice >= static_cast<int>(kProfiles.size())) {
        voice = 0;
    }
    return kProfiles[static_cast<size_t>(voice)];
}

}  // namespace velmora::voice
