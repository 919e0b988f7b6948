#pragma once

#include <optional>

#include "schedule/AlarmArming.h"
#include "schedule/AlarmRinging.h"
#include "schedule/ClockChangeWatch.h"
#include "schedule/ClockServices.h"
#include "schedule/ClockState.h"
#include "schedule/TimeSignal.h"

namespace velmora {

// The clock's heart: one tick every 100 ms decides, from the wall clock and
// the clock's state, what is due, in a fixed order: the deferred start-up,
// the display wake, the alarm's start, repetition, snooze and Esc, the
// music's rotation, the dialog's test ramp, the redraw, the time signal, the
// mouse-hide rule, the volume and mute restore, the recording's progress and
// the before-sound limit. A wall clock that jumped (set, or a new time zone)
// or ticks that stopped (the computer slept) make it look at the time
// afresh first. Everything it works with is injected.
class ClockEngine {
public:
    ClockEngine(ClockState& state, const ClockServices& services);

    // The end of the clock's creation: the start-up step is due ten seconds
    // from now, and the tick runs from here on.
    void Start();
    // One tick; nothing while the main timer is off.
    void MainTimerTimer();
    // When nothing is under way and the clock is hidden, the first moment
    // from `now` at which a step of the tick could act: the tick may sleep
    // until shortly before it, as long as nothing from outside (the user,
    // the desktop, a change of the clock or the settings) wakes it. nullopt
    // while something runs that the tick looks after.
    std::optional<DateTime> IdleUntil(DateTime now) const;
    // How long the tick after this one may wait, in milliseconds (0: the
    // next tenth as ever): until shortly before IdleUntil, and with the
    // clock on the screen only until its hands next move.
    long long IdleSleepMs(DateTime now) const;
    // The STOP picture was pressed.
    void StopButtonPressed();
    // The desktop says the computer has just woken up.
    void Resumed() { watch_.NoteResume(); }

    AlarmArming& Arming() { return arming_; }
    AlarmRinging& Ringing() { return ringing_; }

private:
    // Moves the moments kept on the old wall clock by a step, so periods
    // measured from them keep their length, and asks for a fresh look.
    void NoteClockChange(const ClockChange& change);
    // After a step of the wall clock: the alarm still ahead is armed again (a
    // clock set back may bring an earlier day's alarm; a new zone moves the
    // wake-up timer). One that passed rings or is reported by the alarm's
    // own step.
    void LookAfresh(DateTime now);
    void RunDeferredStartup(DateTime now);
    void WakeDisplayBeforeAlarm(DateTime now);
    void StartAlarmIfDue(DateTime now);
    void StopOnEscape();
    void RampMusicTest(DateTime now);
    void Redraw(DateTime now);
    // The volume and mute restore; false when one failed, which ends the tick.
    bool RestoreVolumeAndMute();
    void ShowRecordingProgress();

    ClockState& state_;
    const ClockServices& s_;
    AlarmArming arming_;
    AlarmRinging ringing_;
    TimeSignal jiho_;
    ClockChangeWatch watch_;
    bool lookAfresh_ = false;
};

}  // namespace velmora
