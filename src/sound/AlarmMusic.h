#pragma once

#include <cstdint>
#include <string>

#include "base/MillisecondClock.h"
#include "base/Notices.h"
#include "base/RandomSource.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "sound/BeforeSoundPlayer.h"
#include "sound/DesktopOpener.h"
#include "sound/MediaPlayer.h"
#include "sound/MusicHooks.h"

namespace velmora {

// The wake-up music on the music player: started with the alarm, repeated
// or rotated through the music list while the alarm rings, stopped from the
// menu. A file the player cannot play is handed to the desktop's program.
class AlarmMusic {
public:
    struct Services {
        MediaPlayer& Player;
        const Settings& Config;  // MusicFile, MusicCount, MusicRandom, MusicRepeat
        const IniFile& Ini;      // the [Music] list
        const BeforeSoundPlayer& Before;
        MillisecondClock& Clock;
        RandomSource& Random;
        MusicHooks& Hooks;
        DesktopOpener& Opener;
        Notices& Notice;
    };

    // Everything in `services` must outlive this object.
    explicit AlarmMusic(const Services& services);
    ~AlarmMusic();
    AlarmMusic(const AlarmMusic&) = delete;
    AlarmMusic& operator=(const AlarmMusic&) = delete;

    // The alarm's music: nothing while a before sound plays or when no music
    // is chosen; a random entry of the list when random music is on.
    void StartAlarmMusic();
    // Run on every tick: with random repeated music, moves on to another
    // entry once the current file has had its length plus three seconds.
    void CheckRotation();
    // "音楽停止(&O)" (also the alarm's stop).
    void MenuMusicStop();

    bool MusicPlaying() const { return playing_; }
    std::uint32_t MusicStartTick() const { return startTick_; }
    // Random music needs at least two files to choose from.
    bool RandomMusic() const;

private:
    void PlayStateChanged(int state);
    void PlaybackFailed();
    std::string MusicEntry(int number) const;
    // A list entry other than `current`, or `current` when every entry is
    // that same file (the draw must end).
    std::string PickOther(const std::string& current);

    Services s_;
    bool playing_ = false;
    std::uint32_t startTick_ = 0;
    std::string lastFailedUrl_;
    std::uint32_t lastFailureTick_ = 0;
};

}  // namespace velmora
