#pragma once

#include <memory>

#include "sound/SoundActivity.h"  // the channel status values
#include "sound/WaveData.h"

namespace velmora {

// From Play to the first sample leaving the sound server, as measured on
// PulseAudio with a 2 ms null sink (jiho_accuracy_bench): a few
// milliseconds on an idle machine, up to about 20 on a busy one. A sound
// card's own latency comes on top and is not known to the program.
inline constexpr int kSoundStartLatencyMs = 4;

// The default audio output with independent channels (the program speaks on
// channel 0 and plays the recorded voice on channel 1). Each channel holds
// one wave and plays it from the start, once or looped, at its own volume.
//
// The output can vanish at any moment (the sound server restarts, a headset
// is unplugged): a failing call then loses only what that channel was
// playing. The channel reports idle afterwards and the next Open() starts
// afresh on whatever output is the default by then.
class SoundDevice {
public:
    virtual ~SoundDevice() = default;

    // Finds the default output, again after a failure. False when there is
    // none now; every channel then stays silent and idle.
    virtual bool Open() = 0;
    virtual int ChannelCount() const = 0;

    // Puts the wave on the channel (shared, not copied), stopping and
    // replacing what the channel held; the volume returns to full level.
    // False when the device refused.
    virtual bool SetWave(int channel, std::shared_ptr<const WaveData> wave) = 0;
    // Hundredths of a decibel: 0 is full level, -10000 silence. A value
    // outside that range leaves the level as it was.
    virtual void SetVolume(int channel, int attenuation) = 0;
    // Starts the channel's wave from its first sample. False when the
    // device refused or the channel holds no wave.
    virtual bool Play(int channel, bool looped) = 0;
    virtual void Stop(int channel) = 0;
    // kChannelIdle, kChannelPlayingOnce or kChannelPlayingLooped.
    virtual int Status(int channel) = 0;
};

}  // namespace velmora
