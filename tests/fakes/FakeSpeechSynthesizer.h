#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "speech/SpeechSynthesizer.h"

namespace velmora::test {

// Not sim/SimSynthesizer: the test chooses the samples and which texts are refused.
// Answers every text with `samples` (or refuses when `refuse` is set, or
// the text is one of `refusedTexts`) and remembers what it was asked.
class FakeSpeechSynthesizer final : public SpeechSynthesizer {
public:
    struct Call {
        int voice;
        std::string text;
        int speed;
    };

    std::optional<std::vector<std::int16_t>> SynthesizeSpeech(int voice,
                                                              std::string_view phoneticText,
                                                              int speed) override {
        calls.push_back({voice, std::string(phoneticText), speed});
        if (refuse || refusedTexts.count(std::string(phoneticText)) > 0) {
            return std::nullopt;
        }
        return samples;
    }

    std::vector<std::int16_t> samples = std::vector<std::int16_t>(800, 1000);
    bool refuse = false;
    std::set<std::string> refusedTexts;
    std::vector<Call> calls;
};

}  // namespace velmora::test
