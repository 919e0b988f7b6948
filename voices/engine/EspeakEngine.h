#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/VoiceProfile.h"

namespace velmora::voice {

// The espeak-ng engine linked into this library. espeak-ng keeps all its
// state in globals and crashes when two threads synthesize at once, so
// there is one engine per library and every call into it holds the lock.
// Each voice library links its own private copy of espeak-ng, so six loaded
// voices never share (or fight over) engine state.
class EspeakEngine {
public:
    static EspeakEngine& Instance();

    // Runs when the library is unloaded: the engine's tables go with it.
    ~EspeakEngine();
    EspeakEngine(const EspeakEngine&) = delete;
    EspeakEngine& operator=(const EspeakEngine&) = delete;

    // Mono 16-bit samples at SampleRate() for a script of hiragana with
    // embedded pitch commands (see PitchScript); nullopt when the engine
    // cannot start or fails. `speed` is 50..300, 100 being natural.
    std::optional<std::vector<std::int16_t>> Speak(const std::string& script,
                                                   const VoiceProfile& profile, int speed);

    int SampleRate();

private:
    EspeakEngine() = default;
    bool StartLocked();
    bool SelectVoiceLocked(const VoiceProfile& profile);

    std::mutex mutex_;
    bool started_ = false;
    bool failed_ = false;
    int sampleRate_ = 0;
    std::string voiceName_;
};

// Shortest and longest rate espeak-ng takes (words per minute) while its
// durations still scale with the rate; the rest is done by time-stretching.
inline constexpr int kMinEspeakRate = 90;
inline constexpr int kMaxEspeakRate = 250;

// How a requested pace is split between espeak-ng's own rate and a
// pitch-keeping stretch afterwards (factor > 1 makes the speech faster).
struct RatePlan {
    int espeakRate;
    double stretch;
};
RatePlan PlanRate(int naturalRate, int speed);

}  // namespace velmora::voice
