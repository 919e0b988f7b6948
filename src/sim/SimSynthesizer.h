#pragma once

#include <string>
#include <utility>
#include <vector>

#include "speech/SpeechSynthesizer.h"

namespace velmora {

// Every utterance lasts the same given time, in silence.
class SimSynthesizer final : public SpeechSynthesizer {
public:
    explicit SimSynthesizer(int utteranceMs) : utteranceMs_(utteranceMs) {}

    std::optional<std::vector<std::int16_t>> SynthesizeSpeech(int voice,
                                                              std::string_view phoneticText,
                                                              int /*speed*/) override {
        synthesized_.emplace_back(voice, std::string(phoneticText));
        // A synthesizer that takes long would only be ready with the last
        // utterance handed to it ahead.
        if (prepared_.empty() || prepared_.back() != synthesized_.back()) {
            ++unprepared_;
        }
        return std::vector<std::int16_t>(
            static_cast<size_t>(utteranceMs_) * kSpeechSampleRate / 1000, 0);
    }
    void Prepare(int voice, std::string_view phoneticText, int /*speed*/) override {
        prepared_.emplace_back(voice, std::string(phoneticText));
    }

    // The utterances handed over ahead of time, and those synthesized:
    // voice and text.
    const std::vector<std::pair<int, std::string>>& Prepared() const { return prepared_; }
    const std::vector<std::pair<int, std::string>>& Synthesized() const { return synthesized_; }
    // Utterances asked for that were not the last one prepared.
    int Unprepared() const { return unprepared_; }

private:
    int utteranceMs_;
    std::vector<std::pair<int, std::string>> prepared_;
    std::vector<std::pair<int, std::string>> synthesized_;
    int unprepared_ = 0;
};

}  // namespace velmora
