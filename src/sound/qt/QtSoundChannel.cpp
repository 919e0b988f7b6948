#include "sound/qt/QtSoundChannel.h"

#include <utility>

#include "sound/SoundDevice.h"

namespace velmora {

void QtSoundChannel::SetWave(std::shared_ptr<const WaveData> wave) {
    playback_.Stop();
    wave_ = std::move(wave);
    gain_ = 1.0;
}

void QtSoundChannel::SetGain(double gain) {
    gain_ = gain;
    playback_.SetGain(gain);
}

PlaybackStart QtSoundChannel::Play(bool looped) {
    looped_ = looped;
    return playback_.Start(wave_, looped, gain_);
}

void QtSoundChannel::Stop() {
    playback_.Stop();
}

// A stream ends by itself when a once-played wave has been heard to its end
// or when the server went away; either way the channel is free again.
int QtSoundChannel::Status() const {
    if (!playback_.Playing()) {
        return kChannelIdle;
    }
    return looped_ ? kChannelPlayingLooped : kChannelPlayingOnce;
}

}  // namespace velmora
