#include "schedule/PreAnnouncement.h"

#include <algorithm>
#include <cmath>

#include "settings/SettingsLoader.h"
#include "speech/TimePhrase.h"

namespace velmora {
namespace {

// Whole seconds, halves to even, as every duration here is rounded.
int RoundSeconds(double seconds) {
    return static_cast<int>(std::nearbyint(seconds));
}

int LeadSoundSeconds(int index, const SoundLengthMs& soundLengthMs) {
    const std::optional<long long> ms = soundLengthMs(index);
    if (!ms) {
        return kMaxLeadSoundSeconds;  // unknown length: assume the longest it may play
    }
    const int seconds =
        *ms <= 0 ? kMaxLeadSoundSeconds : RoundSeconds(static_cast<double>(*ms) / 1000.0);
    return std::min(seconds, kMaxLeadSoundSeconds);
}

}  // namespace

PreAnnouncement BuildPreAnnouncement(const Settings& settings, DateTime mark,
                                     SpeechSynthesizer& synthesizer, RandomSource& random,
                                     const SoundLengthMs& soundLengthMs) {
    PreAnnouncement result;
    if (settings.JihoLeadSoundNo > 0) {
        result.LeadSeconds = LeadSoundSeconds(settings.JihoLeadSoundNo, soundLengthMs);
    }
    result.Text = "ま'もなく、" + TimePhrase(mark) + settings.Gobi;
    // The voice measured here is drawn on its own; the announcement itself
    // may then be spoken by another voice of similar pace.
    const int voice =
        settings.VoiceNo == kRandomVoice ? random.Below(kVoiceCount) : settings.VoiceNo;
    if (const auto samples =
            synthesizer.SynthesizeSpeech(voice, result.Text, settings.SpeakSpead)) {
        result.LeadSeconds +=
            RoundSeconds(static_cast<double>(samples->size()) / kSpeechSampleRate);
    }
    return result;
}

}  // namespace velmora
