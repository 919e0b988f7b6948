#pragma once

#include "speech/SpeechSynthesizer.h"

namespace velmora {

// Every utterance lasts the same given time, in silence.
class SimSynthesizer final : public SpeechSynthesizer {
public:
    explicit SimSynthesizer(int utteranceMs) : utteranceMs_(utteranceMs) {}

    std::optional<std::vector<std::int16_t>> SynthesizeSpeech(int /*voice*/,
                                                              std::string_view /*phoneticText*/,
                                                              int /*speed*/) override {
        return std::vector<std::int16_t>(
            static_cast<size_t>(utteranceMs_) * kSpeechSampleRate / 1000, 0);
    }

private:
    int utteranceMs_;
};

}  // namespace velmora
