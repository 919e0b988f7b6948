#pragma once

#include "schedule/WakeTimer.h"

namespace velmora {

// A wake-up timer that remembers its moment; the simulated computer never
// sleeps.
class SimWakeTimer final : public WakeTimer {
public:
    bool Arm(DateTime wakeTime, DateTime /*now*/) override {
        ++arms_;
        if (refuse_) {
            return false;
        }
        armed_ = true;
        wakeTime_ = wakeTime;
        return true;
    }
    void Disarm() override { armed_ = false; }

    void SetRefuse(bool refuse) { refuse_ = refuse; }
    bool Armed() const { return armed_; }
    DateTime WakeTime() const { return wakeTime_; }
    int Arms() const { return arms_; }

private:
    bool armed_ = false;
    bool refuse_ = false;
    DateTime wakeTime_ = 0;
    int arms_ = 0;
};

}  // namespace velmora
