#pragma once

#include <HTS_engine.h>

#include <cstddef>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/HtsShaping.h"
#include "engine/VocoderRecast.h"

namespace velmora::voice {

// How one voice file is played: its pitch moved by whole and fractional
// semitones, and its all-pass constant (the higher, the darker the timbre).
struct HtsVoiceSettings {
    double halfTones = 0;
    double alpha = 0.55;
};

// One HTS voice file and the engine that speaks it. The file is loaded at
// the first utterance, not before: a library is loaded long before it
// speaks, and often never does. The engine holds the state of the
// utterance it works on, so callers take turns.
class HtsVoice {
public:
    HtsVoice(std::string file, HtsVoiceSettings settings);
    ~HtsVoice();
    HtsVoice(const HtsVoice&) = delete;
    HtsVoice& operator=(const HtsVoice&) = delete;

    // The waveform (16-bit scale) for the labels, at the rate `sampleRate`
    // receives; `speed` 2 halves every duration. nullopt when the voice
    // file cannot be loaded or the engine fails.
    std::optional<std::vector<double>> Speak(const std::vector<std::string>& labels, double speed,
                                             HtsShaping& shaping, int& sampleRate);

private:
    bool LoadLocked();
    std::optional<size_t> StreamLocked(std::string_view type) const;
    void PrepareRecastLocked();
    void RecastLocked(size_t stream, const VocoderRecast& recast);
    std::vector<double> ReadLogF0Locked() const;
    void WriteLogF0Locked(const std::vector<double>& logF0);
    void ShapeSpectrumLocked(HtsShaping& shaping, const std::vector<HtsState>& states,
                             size_t statesPerLabel);

    const std::string file_;
    const HtsVoiceSettings settings_;
    std::mutex mutex_;
    HTS_Engine engine_{};
    bool loaded_ = false;
    size_t spectrum_ = 0;
    size_t logF0_ = 0;
    std::optional<size_t> lowPass_;
    bool recastPrepared_ = false;
    std::optional<VocoderRecast> spectrumRecast_;
    std::optional<VocoderRecast> lowPassRecast_;
};

}  // namespace velmora::voice
