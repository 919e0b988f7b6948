#pragma once

namespace velmora {

// Status of a speech channel as the sound device reports it.
inline constexpr int kChannelIdle = 0;
inline constexpr int kChannelPlayingOnce = 1;
inline constexpr int kChannelPlayingLooped = 5;

// What the volume and mute restore must wait for: the program's own sound
// and the states that keep the raised level or the unmuted output in use.
class SoundActivity {
public:
    virtual ~SoundActivity() = default;
    // A gradual rise of the alarm volume is under way.
    virtual bool RampRunning() const = 0;
    // The settings dialog is playing its music test.
    virtual bool MusicTestPlaying() const = 0;
    // An utterance is being prepared (before sound, synthesis).
    virtual bool Speaking() const = 0;
    virtual int SpeechChannelStatus(int channel) const = 0;
    virtual bool Ringing() const = 0;
    virtual bool MusicPlaying() const = 0;
};

}  // namespace velmora
