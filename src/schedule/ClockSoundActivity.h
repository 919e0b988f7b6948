#pragma once

#include "schedule/ClockState.h"
#include "schedule/DialogLink.h"
#include "sound/AlarmMusic.h"
#include "sound/SoundActivity.h"
#include "speech/SpeechPlayer.h"

namespace velmora {

// What the volume and mute restore wait for, read from the clock's state,
// the speech channels, the music player and the dialog's music test.
class ClockSoundActivity final : public SoundActivity {
public:
    ClockSoundActivity(const ClockState& state, SpeechPlayer& speech, const AlarmMusic& music,
                       const DialogLink& dialog)
        : state_(state), speech_(speech), music_(music), dialog_(dialog) {}

    bool RampRunning() const override { return state_.RampStart > 0; }
    bool MusicTestPlaying() const override { return dialog_.MusicTestPlaying(); }
    bool Speaking() const override { return speech_.Speaking(); }
    int SpeechChannelStatus(int channel) const override {
        return speech_.SpeechChannelStatus(channel);
    }
    bool Ringing() const override { return state_.Ringing; }
    bool MusicPlaying() const override { return music_.MusicPlaying(); }

private:
    const ClockState& state_;
    SpeechPlayer& speech_;
    const AlarmMusic& music_;
    const DialogLink& dialog_;
};

}  // namespace velmora
