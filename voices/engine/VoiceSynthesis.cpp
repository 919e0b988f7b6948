#include "engine/VoiceSynthesis.h"

#include <algorithm>

#include "engine/EspeakEngine.h"
#include "engine/Resampler.h"
#include "kana/Notation.h"
#include "kana/PitchScript.h"

namespace velmora::voice {
namespace {

// Silence for a text without a single mora ("。" asks for a pause before a
// tone): a fifth of a second per pause at natural pace.
std::vector<std::int16_t> PauseSilence(const Utterance& utterance, int speed) {
    const size_t pauses = std::max<size_t>(utterance.phrases.size(), 1);
    const size_t perPause =
        kOutputSampleRate / 5 * 100 / static_cast<size_t>(std::clamp(speed, 50, 300));
    return std::vector<std::int16_t>(pauses * perPause, 0);
}

}  // namespace

std::optional<std::vector<std::int16_t>> SynthesizeSamples(std::string_view utf8Text,
                                                           const VoiceProfile& profile, int speed) {
    const auto utterance = ParseNotation(utf8Text);
    if (!utterance) {
        return std::nullopt;
    }
    if (!utterance->HasMorae()) {
        return PauseSilence(*utterance, speed);
    }
    EspeakEngine& engine = EspeakEngine::Instance();
    const std::string script =
        PitchScript(*utterance, {.low = profile.lowPitch, .high = profile.highPitch});
    const auto samples = engine.Speak(script, profile, speed);
    if (!samples || samples->empty()) {
        return std::nullopt;
    }
    std::vector<std::int16_t> out = Resample(*samples, engine.SampleRate(), kOutputSampleRate);
    if (out.empty()) {
        return std::nullopt;
    }
    return out;
}

}  // namespace velmora::voice
