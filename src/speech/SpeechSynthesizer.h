#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace velmora {

inline constexpr int kVoiceCount = 6;  // f1 f2 m1 m2 r1 r2
inline constexpr int kSpeechSampleRate = 8000;

// Turns phonetic text into speech with one of the six voices. `Speak` and
// the dialog's word tests go through this, so they run against a fake in
// tests. `voice` is 0..5 (the caller resolves "random" before calling);
// `phoneticText` is UTF-8 without the leading "。", which the real adapter
// adds. The result is 8000 Hz 16-bit mono samples, or nullopt when the voice
// cannot read the text.
class SpeechSynthesizer {
public:
    virtual ~SpeechSynthesizer() = default;
    virtual std::optional<std::vector<std::int16_t>> SynthesizeSpeech(int voice,
                                                                      std::string_view phoneticText,
                                                                      int speed) = 0;
    // An utterance that will be asked for soon (the time signal knows its
    // words a minute ahead): a synthesizer that takes long may start on it
    // now, so that asking for it then costs nothing. Replaces an earlier
    // preparation; nothing by default.
    virtual void Prepare(int /*voice*/, std::string_view /*phoneticText*/, int /*speed*/) {}
};

}  // namespace velmora
