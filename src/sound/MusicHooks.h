#pragma once

namespace velmora {

// What the alarm music tells the tray menu and the settings dialog, whose
// music and recording tests share the music player.
class MusicHooks {
public:
    virtual ~MusicHooks() = default;
    // "音楽停止(&O)" is enabled exactly while alarm music plays.
    virtual void SetMusicStopEnabled(bool enabled) = 0;
    // The player stopped while no alarm music was on: a test of the settings
    // dialog has ended, and its buttons go back to their idle captions.
    virtual void TestPlaybackStopped() = 0;
    // The player failed: the dialog's test buttons go back to "聞いてみる"
    // and a running music test ends.
    virtual void PlaybackFailed() = 0;
};

}  // namespace velmora
