#include "engine/VoiceSynthesis.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <map>
#include <memory>
#include <mutex>
#include <utility>

#include "engine/HtsVoice.h"
#include "engine/LabelMorae.h"
#include "engine/Resampler.h"
#include "engine/UtteranceProsody.h"
#include "engine/VoiceDataFile.h"
#include "kana/FullContextLabels.h"
#include "kana/Notation.h"
#include "kana/PhraseWords.h"

namespace velmora::voice {
namespace {

// A pause is a fifth of a second at natural pace.
size_t PauseSamples(int speed) {
    return kOutputSampleRate / 5 * 100 / static_cast<size_t>(std::clamp(speed, 50, 300));
}

// Silence for a text without a single mora ("。" asks for a pause before a
// tone).
std::vector<std::int16_t> PauseSilence(const Utterance& utterance, int speed) {
    return std::vector<std::int16_t>(
        std::max<size_t>(utterance.phrases.size(), 1) * PauseSamples(speed), 0);
}

// The pause marks before the first mora and after the last: the silence
// around the words is theirs, whatever the voice file would have made of
// the silence at either end. The first mark before the words only opens the
// sentence (the program puts a "。" before everything it says) and is not
// heard: a time signal's words must start on the mark.
std::pair<size_t, size_t> EndPauses(const Utterance& utterance) {
    size_t leading = 0;
    while (leading < utterance.phrases.size() && utterance.phrases[leading].morae.empty()) {
        ++leading;
    }
    leading = leading > 0 ? leading - 1 : 0;
    size_t trailing = 0;
    for (auto phrase = utterance.phrases.rbegin(); phrase != utterance.phrases.rend(); ++phrase) {
        if (!phrase->morae.empty()) {
            trailing += EndMark(phrase->end).empty() ? 0u : 1u;
            break;
        }
        ++trailing;
    }
    return {leading, trailing};
}

// The engine of each voice file played by a profile, loaded at its first
// utterance and kept for the life of the library.
HtsVoice& VoiceFor(const VoiceProfile& profile) {
    static std::mutex mutex;
    static std::map<std::string_view, std::unique_ptr<HtsVoice>> voices;
    std::lock_guard lock(mutex);
    std::unique_ptr<HtsVoice>& voice = voices[profile.folder];
    if (!voice) {
        voice = std::make_unique<HtsVoice>(
            VoiceDataFile(profile.voiceFile),
            HtsVoiceSettings{.halfTones = profile.halfTones, .alpha = profile.alpha});
    }
    return *voice;
}

// The last mora of each phrase that ends as `ends` says, counted through the
// utterance as the labels count them.
std::vector<size_t> MoraeEnding(const Utterance& utterance, size_t moraCount,
                                std::initializer_list<PhraseEnd> ends) {
    std::vector<size_t> found;
    size_t morae = 0;
    for (const AccentPhrase& phrase : utterance.phrases) {
        morae += phrase.morae.size();
        if (std::find(ends.begin(), ends.end(), phrase.end) != ends.end() &&
            !phrase.morae.empty() && morae <= moraCount) {
            found.push_back(morae - 1);
        }
    }
    return found;
}

// The voices lead into their first syllable with up to a tenth of a second
// of near silence (the end of the opening silence and a consonant's quiet
// approach), which would put a time signal's words that late after its
// mark. The utterance starts just before the first sample one can hear:
// above this level (about -54 dB, over the vocoder's noise floor of the
// male voice), with a few milliseconds of the approach kept so that
// nothing is cut off abruptly.
constexpr int kAudibleLevel = 64;
constexpr size_t kKeptLeadInSamples = kOutputSampleRate / 200;  // 5 ms

size_t LeadInSamples(const std::vector<std::int16_t>& speech) {
    const auto audible = std::find_if(speech.begin(), speech.end(), [](std::int16_t sample) {
        return std::abs(static_cast<int>(sample)) > kAudibleLevel;
    });
    const auto before = static_cast<size_t>(audible - speech.begin());
    return audible == speech.end() ? 0 : before - std::min(before, kKeptLeadInSamples);
}

std::vector<std::int16_t> Samples(const std::vector<double>& wave, double volumeDb) {
    const double gain = std::pow(10.0, volumeDb / 20);
    std::vector<std::int16_t> samples(wave.size());
    std::transform(wave.begin(), wave.end(), samples.begin(), [gain](double value) {
        return static_cast<std::int16_t>(std::lround(std::clamp(value * gain, -32768.0, 32767.0)));
    });
    return samples;
}

}  // namespace

std::optional<std::vector<std::int16_t>> SynthesizeSamples(std::string_view utf8Text,
                                                           const VoiceProfile& profile, int speed) {
    const auto parsed = ParseNotation(utf8Text);
    if (!parsed) {
        return std::nullopt;
    }
    if (!parsed->HasMorae()) {
        return PauseSilence(*parsed, speed);
    }
    const Utterance utterance = JoinEndings(*parsed);
    std::vector<std::string> labels = FullContextLabels(utterance);
    std::vector<LabelMora> morae = MoraeOfLabels(labels);
    std::vector<size_t> questions = MoraeEnding(utterance, morae.size(), {PhraseEnd::Question});
    std::vector<size_t> statements =
        MoraeEnding(utterance, morae.size(), {PhraseEnd::Sentence, PhraseEnd::Text});
    for (const size_t question : questions) {
        const LabelMora& mora = morae[question];
        std::string& vowel = labels[mora.firstLabel + mora.labelCount - 1];
        vowel = VoicedLabel(vowel);
    }
    UtteranceProsody prosody(std::move(morae), std::move(questions), std::move(statements),
                             profile);
    const double speedFactor = profile.tempo * std::clamp(speed, 50, 300) / 100.0;
    int sampleRate = 0;
    const auto wave = VoiceFor(profile).Speak(labels, speedFactor, prosody, sampleRate);
    if (!wave || wave->empty()) {
        return std::nullopt;
    }
    const std::vector<std::int16_t> speech =
        Resample(Samples(*wave, profile.volumeDb), sampleRate, kOutputSampleRate);
    if (speech.empty()) {
        return std::nullopt;
    }
    const auto [leading, trailing] = EndPauses(utterance);
    std::vector<std::int16_t> out(leading * PauseSamples(speed), 0);
    out.insert(out.end(), speech.begin() + static_cast<std::ptrdiff_t>(LeadInSamples(speech)),
               speech.end());
    out.resize(out.size() + trailing * PauseSamples(speed), 0);
    return out;
}

}  // namespace velmora::voice
