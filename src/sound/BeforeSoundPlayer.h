#pragma once

#include <cstdint>

#include "base/MillisecondClock.h"
#include "base/Notices.h"
#include "sound/BeforeSoundLists.h"
#include "sound/MediaPlayer.h"

namespace velmora {

// The short sound before an announcement, on its own player. An
// announcement waits while BeforeSoundPlaying() is true; that ends when the
// player reports the end of the file, when the file fails, when the
// watchdog finds it has run for more than ten seconds, or when the user
// stops the alarm.
class BeforeSoundPlayer {
public:
    static constexpr std::uint32_t kLimitMilliseconds = 10000;

    // All four must outlive this object; the lists may change between calls.
    BeforeSoundPlayer(MediaPlayer& player, const BeforeSoundLists& lists, MillisecondClock& clock,
                      Notices& notices);
    ~BeforeSoundPlayer();
    BeforeSoundPlayer(const BeforeSoundPlayer&) = delete;
    BeforeSoundPlayer& operator=(const BeforeSoundPlayer&) = delete;

    // Starts entry `index` (0: nothing) of the time-signal or the alarm list.
    void PlayBeforeSound(int index, bool fromJihoList);

    bool BeforeSoundPlaying() const { return playing_; }
    std::uint32_t BeforeSoundStartTime() const { return startTime_; }

    // Run on every tick: cuts off a sound that has played for more than
    // ten seconds, so no announcement is held up longer than that.
    void CheckWatchdog();
    // The user's stop of a ringing alarm: ends the sound at once.
    void StopBeforeSound();

    const BeforeSoundLists& Lists() const { return lists_; }

private:
    void PlayStateChanged(int state);
    void PlaybackFailed();

    MediaPlayer& player_;
    const BeforeSoundLists& lists_;
    MillisecondClock& clock_;
    Notices& notices_;
    bool playing_ = false;
    std::uint32_t startTime_ = 0;
};

}  // namespace velmora
