#pragma once

#include <functional>
#include <optional>
#include <string>

#include "base/DateTime.h"
#include "base/RandomSource.h"
#include "settings/Settings.h"
#include "speech/SpeechSynthesizer.h"

namespace velmora {

// "ま'もなく、" + the time of the coming mark, spoken ahead of it in the
// speak-first mode, and how many seconds it takes (its lead sound plus its
// speech), so the next check can start it early enough to end before the
// tone.
struct PreAnnouncement {
    int LeadSeconds = 0;
    std::string Text;
};

// The length in milliseconds of time-signal sound `index`, or nullopt when
// the file cannot be opened or read.
using SoundLengthMs = std::function<std::optional<long long>(int index)>;

// A lead sound counts for at most this many seconds (it is cut off there).
inline constexpr int kMaxLeadSoundSeconds = 10;

PreAnnouncement BuildPreAnnouncement(const Settings& settings, DateTime mark,
                                     SpeechSynthesizer& synthesizer, RandomSource& random,
                                     const SoundLengthMs& soundLengthMs);

}  // namespace velmora
