#pragma once

#include "base/DateTime.h"

namespace velmora {

// A timer that resumes the computer from sleep at the wake moment. Arming
// again replaces the moment; only the last one counts.
class WakeTimer {
public:
    virtual ~WakeTimer() = default;
    // false when the timer could not be set.
    virtual bool Arm(DateTime wakeTime, DateTime now) = 0;
    virtual void Disarm() = 0;
};

}  // namespace velmora
