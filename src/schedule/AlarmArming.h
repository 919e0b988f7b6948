#pragma once

#include "schedule/AlarmSchedule.h"
#include "schedule/ClockServices.h"
#include "schedule/ClockState.h"

namespace velmora {

// Arms the next alarm (its moment, the wake-up timer, the tray and the
// dial), switches the alarm off when there is nothing to ring for, and
// re-arms when an alarm window has passed without ringing.
class AlarmArming {
public:
    AlarmArming(ClockState& state, const ClockServices& services);

    // Computes the next wake moment and sets the wake-up timer for it; with
    // no alarm time at all the alarm goes off. A timer that cannot be set is
    // reported, and the alarm stays armed for a computer that is awake.
    void ArmWakeUp();
    void SetAlarmOff();

    // The alarm moment of the current wake moment.
    DateTime NextAlarmMoment() const;
    // Whether the alarm is due now: the moment has come and now is within
    // the firing window, or within the window's length of the last tick
    // that found it due but held back, or within the grace for a moment
    // that passed with no tick.
    bool AlarmDue(DateTime now) const;
    // A tick found the clock busy (other speech under way, or the tick
    // switched off for a moment): an alarm due now waits for it instead of
    // being missed, its window measured from the last such tick. Only a
    // window that passes with no tick at all (the computer asleep) is missed.
    void NoteHeld(DateTime now);
    // The computer slept or the clock was set forward past the moment and
    // its grace: the user is told, and the next alarm is armed (a moment
    // left in the past would make the next window ring on any day). True
    // when it re-armed.
    bool RearmIfMissed(DateTime now);
    // The alarm moment is about to ring: a clock set back must not bring it
    // again the same morning.
    void NoteRinging();

private:
    // The next wake moment from `now`, past an alarm moment that rang less
    // than a morning ago by the millisecond count (the wall clock was set
    // back over it).
    std::optional<DateTime> NextWakeMoment(DateTime now) const;
    void ShowNextAlarmInTray();

    ClockState& state_;
    const ClockServices& s_;
    AlarmSchedule schedule_;
};

}  // namespace velmora
