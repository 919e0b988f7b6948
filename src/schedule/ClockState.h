#pragma once

#include <cmath>
#include <cstdint>
#include <string>

#include "base/DateTime.h"

namespace velmora {

// The wall clock of one tick, decoded once.
struct NowParts {
    std::uint16_t Hour = 0;
    std::uint16_t Minute = 0;
    std::uint16_t Second = 0;
    std::uint16_t Millisecond = 0;
    std::uint16_t Year = 0;
    std::uint16_t Month = 0;
    std::uint16_t Day = 0;
    std::uint16_t Weekday = 0;  // 0 = Sunday .. 6 = Saturday
};

NowParts DecodeNowParts(DateTime now);

// A moment in whole milliseconds, so that two moments less than a
// millisecond apart compare as the same.
inline long long MomentMs(DateTime t) {
    return std::llround(t * static_cast<double>(kMsPerDay));
}

// The run-time state of the clock: the alarm's ringing and snooze state, the
// volume ramp, the wake moment and the time-signal markers. Whether music
// plays (and since when) is the music player's own state.
struct ClockState {
    NowParts Now;

    bool StartupPending = false;
    DateTime CreatedAt = 0;
    // The main timer: while it is off, a tick does nothing (the alarm's
    // start and stop and the arming work with it off, so a tick nested in
    // their waits cannot act on a half-changed state).
    bool MainTimerEnabled = false;

    bool Ringing = false;             // from the alarm's start until ringing ends
    bool AlarmUtteranceBusy = false;  // an alarm utterance is being produced
    bool SnoozeWaiting = false;
    DateTime SnoozeStart = 0;
    DateTime RampStart = 0;  // 0: no volume ramp running
    int RampVolume = 0;
    DateTime WakeTime = 0;  // 0: nothing armed
    // The last tick that found the alarm due while something else held it
    // back (other speech, or the tick switched off for a moment): the
    // firing window runs on from here. 0: not held.
    DateTime AlarmHeldAt = 0;

    // The alarm moment that rang last, and the millisecond count then: a
    // clock set back must not ring the same morning twice.
    DateTime LastAlarmMoment = 0;
    std::uint32_t LastAlarmCount = 0;
    // The last change of the time was a clock set forward, not a sleep: it
    // names why an alarm was missed.
    bool ClockSetForward = false;

    // The tick has decided to speak and has not yet handed the utterance
    // over: nothing else may start meanwhile (a tick nested in its waits).
    bool SpeakPending = false;

    DateTime LastJihoTime = 0;
    // The mark whose words are being synthesized ahead, and the voice drawn
    // for them.
    DateTime PreparedMark = 0;
    int PreparedVoice = 0;
    bool PreAnnounced = false;
    int PreAnnounceLead = 0;  // seconds
    std::string PreAnnounceText;

    std::string HelpHint;

    bool EscLatch = false;         // Esc has stopped the alarm; the stop is not over yet
    bool DisplayWakeDone = false;  // the display was woken for the current wake moment
};

}  // namespace velmora
