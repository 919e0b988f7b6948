#pragma once

#include "sound/SoundActivity.h"

namespace velmora::test {

// The program's sound activity as plain fields a test sets.
class FakeSoundActivity final : public SoundActivity {
public:
    bool rampRunning = false;
    bool musicTestPlaying = false;
    bool speaking = false;
    int channel0 = kChannelIdle;
    int channel1 = kChannelIdle;
    bool ringing = false;
    bool musicPlaying = false;

    bool RampRunning() const override { return rampRunning; }
    bool MusicTestPlaying() const override { return musicTestPlaying; }
    bool Speaking() const override { return speaking; }
    int SpeechChannelStatus(int channel) const override {
        return channel == 0 ? channel0 : channel1;
    }
    bool Ringing() const override { return ringing; }
    bool MusicPlaying() const override { return musicPlaying; }
};

}  // namespace velmora::test
