#pragma once

#include <functional>

#include "base/DateTime.h"

namespace velmora {

// One timer that goes off at a wall-clock moment and, where the system
// allows it, resumes the computer from sleep to do so. Arming again replaces
// the moment; there is only ever one.
class WakeUpTimer {
public:
    virtual ~WakeUpTimer() = default;

    // Sets the timer to local time `wakeAt`. False when it cannot be set.
    virtual bool Arm(DateTime wakeAt) = 0;
    // Lets go of the moment, so a computer asleep is not woken for nothing.
    virtual void Disarm() = 0;
    // Whether an armed timer also wakes the computer (false where the
    // system does not let this program set wake alarms).
    virtual bool WakesFromSleep() const = 0;
    // Called on the user-interface thread when the moment has come.
    virtual void SetFiredHandler(std::function<void()> handler) = 0;
};

}  // namespace velmora
