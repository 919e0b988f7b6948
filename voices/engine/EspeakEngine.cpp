#include "engine/EspeakEngine.h"

#include <espeak-ng/speak_lib.h>
#include <sonic.h>

#include <algorithm>
#include <clocale>
#include <cmath>

namespace velmora::voice {
namespace {

int Collect(short* samples, int count, espeak_EVENT* events) {
    if (samples != nullptr && count > 0 && events != nullptr && events->user_data != nullptr) {
        auto* out = static_cast<std::vector<std::int16_t>*>(events->user_data);
        out->insert(out->end(), samples, samples + count);
    }
    return 0;
}

std::vector<std::int16_t> Stretch(const std::vector<std::int16_t>& in, double factor,
                                  int sampleRate) {
    sonicStream stream = sonicCreateStream(sampleRate, 1);
    if (stream == nullptr) {
        return in;
    }
    sonicSetSpeed(stream, static_cast<float>(factor));
    std::vector<std::int16_t> work(in);
    sonicWriteShortToStream(stream, work.data(), static_cast<int>(work.size()));
    sonicFlushStream(stream);
    std::vector<std::int16_t> out(static_cast<size_t>(sonicSamplesAvailable(stream)));
    const int read = sonicReadShortFromStream(stream, out.data(), static_cast<int>(out.size()));
    out.resize(static_cast<size_t>(std::max(read, 0)));
    sonicDestroyStream(stream);
    return out;
}

}  // namespace

RatePlan PlanRate(int naturalRate, int speed) {
    const double wanted = naturalRate * std::clamp(speed, 50, 300) / 100.0;
    const double rate = std::clamp(wanted, double{kMinEspeakRate}, double{kMaxEspeakRate});
    return {static_cast<int>(std::lround(rate)), wanted / std::round(rate)};
}

EspeakEngine& EspeakEngine::Instance() {
    static EspeakEngine engine;
    return engine;
}

EspeakEngine::~EspeakEngine() {
    std::lock_guard lock(mutex_);
    if (started_) {
        espeak_Terminate();
    }
}

int EspeakEngine::SampleRate() {
    std::lock_guard lock(mutex_);
    return StartLocked() ? sampleRate_ : 0;
}

bool EspeakEngine::StartLocked() {
    if (started_ || failed_) {
        return started_;
    }
    // espeak-ng sets the process's character locale while it starts; the
    // program it is loaded into keeps its own.
    const char* previous = std::setlocale(LC_CTYPE, nullptr);
    const std::string savedLocale = previous != nullptr ? previous : "C";
    sampleRate_ =
        espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
    std::setlocale(LC_CTYPE, savedLocale.c_str());
    if (sampleRate_ <= 0) {
        failed_ = true;
        return false;
    }
    espeak_SetSynthCallback(&Collect);
    started_ = true;
    return true;
}

bool EspeakEngine::SelectVoiceLocked(const VoiceProfile& profile) {
    if (voiceName_ != profile.espeakVoice) {
        const std::string name(profile.espeakVoice);
        if (espeak_SetVoiceByName(name.c_str()) != EE_OK) {
            voiceName_.clear();
            return false;
        }
        voiceName_ = name;
    }
    espeak_SetParameter(espeakPITCH, profile.lowPitch, 0);
    espeak_SetParameter(espeakRANGE, profile.pitchRange, 0);
    espeak_SetParameter(espeakWORDGAP, 0, 0);
    return true;
}

std::optional<std::vector<std::int16_t>> EspeakEngine::Speak(const std::string& script,
                                                             const VoiceProfile& profile,
                                                             int speed) {
    std::vector<std::int16_t> samples;
    const RatePlan plan = PlanRate(profile.naturalRate, speed);
    int sampleRate = 0;
    {
        std::lock_guard lock(mutex_);
        if (!StartLocked() || !SelectVoiceLocked(profile)) {
            return std::nullopt;
        }
        espeak_SetParameter(espeakRATE, plan.espeakRate, 0);
        const espeak_ERROR result =
            espeak_Synth(script.c_str(), script.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8,
                         nullptr, &samples);
        if (result != EE_OK) {
            return std::nullopt;
        }
        sampleRate = sampleRate_;
    }
    if (std::abs(plan.stretch - 1.0) > 0.01 && !samples.empty()) {
        samples = Stretch(samples, plan.stretch, sampleRate);
    }
    return samples;
}

}  // namespace velmora::voice
