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
    // no alarm time at all, or a timer that cannot be set, the alarm goes off.
    void ArmWakeUp();
    void SetAlarmOff();

    // The alarm moment of the current wake moment.
    DateTime NextAlarmMoment() const;
    // Whether the alarm is due now (the moment has come and now is within
    // the firing window).
    bool AlarmDue(DateTime now) const;
    // The computer slept or the tick was held up through the whole window:
    // the moment must not stay in the past, or the next window would ring on
    // any day. True when it re-armed.
    bool RearmIfMissed(DateTime now);

private:
    void ShowNextAlarmInTray();

    ClockState& state_;
    const ClockServices& s_;
    AlarmSchedule schedule_;
};

}  // namespace velmora
