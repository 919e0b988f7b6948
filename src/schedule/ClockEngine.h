#pragma once

#include "schedule/AlarmArming.h"
#include "schedule/AlarmRinging.h"
#include "schedule/ClockServices.h"
#include "schedule/ClockState.h"
#include "schedule/TimeSignal.h"

namespace velmora {

// The clock's heart: one tick every 100 ms decides, from the wall clock and
// the clock's state, what is due, in a fixed order: the deferred start-up,
// the display wake, the alarm's start, repetition, snooze and Esc, the
// music's rotation, the dialog's test ramp, the redraw, the time signal, the
// mouse-hide rule, the volume and mute restore, the recording's progress and
// the before-sound limit. Everything it works with is injected.
class ClockEngine {
public:
    ClockEngine(ClockState& state, const ClockServices& services);

    // The end of the clock's creation: the start-up step is due ten seconds
    // from now, and the tick runs from here on.
    void Start();
    // One tick; nothing while the main timer is off.
    void MainTimerTimer();
    // The STOP picture was pressed.
    void StopButtonPressed();

    AlarmArming& Arming() { return arming_; }
    AlarmRinging& Ringing() { return ringing_; }

private:
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
};

}  // namespace velmora
