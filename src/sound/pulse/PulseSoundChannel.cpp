#include "sound/pulse/PulseSoundChannel.h"

#include <utility>

#include "sound/SoundDevice.h"

namespace velmora {

void PulseSoundChannel::SetWave(std::shared_ptr<const WaveData> wave) {
    playback_.Stop();
    wave_ = std::move(wave);
    gain_ = 1.0;
}

void PulseSoundChannel::SetGain(double gain) {
    gain_ = gain;
    playback_.SetGain(gain);
}

PlaybackStart PulseSoundChannel::Play(bool looped) {
    looped_ = looped;
    return playback_.Start(wave_, looped, gain_);
}

void PulseSoundChannel::Stop() {
    playback_.Stop();
}

// A stream ends by itself when a once-played wave has been heard to its end
// or when the server went away; either way the channel is free again.
int PulseSoundChannel::Status() const {
    if (!playback_.Playing()) {
        return kChannelIdle;
    }
    return looped_ ? kChannelPlayingLooped : kChannelPlayingOnce;
}

}  // namespace velmora
