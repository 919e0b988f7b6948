#pragma once

#include <memory>

#include "sound/WaveData.h"
#include "sound/pulse/PulsePlayback.h"

namespace velmora {

// One channel of the sound device: its wave, its gain, and while it plays a
// stream of its own on the sound server, made afresh for every start.
class PulseSoundChannel final {
public:
    PulseSoundChannel() = default;
    PulseSoundChannel(const PulseSoundChannel&) = delete;
    PulseSoundChannel& operator=(const PulseSoundChannel&) = delete;

    void SetWave(std::shared_ptr<const WaveData> wave);
    void SetGain(double gain);
    PlaybackStart Play(bool looped);
    void Stop();
    int Status() const;

private:
    std::shared_ptr<const WaveData> wave_;
    double gain_ = 1.0;
    bool looped_ = false;
    PulsePlayback playback_;
};

}  // namespace velmora
