#pragma once

#include <functional>

#include "schedule/WakeUpTimer.h"

namespace velmora {

// A wake-up timer that remembers its moment: a simulated computer asleep is
// resumed there (Simulation::Sleep), and the tick finds the alarm due
// without being told, so the fired handler is never needed.
class SimWakeTimer final : public WakeUpTimer {
public:
    bool Arm(DateTime wakeTime) override {
        ++arms_;
        if (refuse_) {
            return false;
        }
        armed_ = true;
        wakeTime_ = wakeTime;
        return true;
    }
    void Disarm() override {
        armed_ = false;
        ++disarms_;
    }
    bool WakesFromSleep() const override { return wakes_; }
    void SetFiredHandler(std::function<void()> handler) override { fired_ = std::move(handler); }

    void SetRefuse(bool refuse) { refuse_ = refuse; }
    // A timer that is set but would sleep through (no right to wake the
    // computer).
    void SetWakesFromSleep(bool wakes) { wakes_ = wakes; }
    bool Armed() const { return armed_; }
    DateTime WakeTime() const { return wakeTime_; }
    int Arms() const { return arms_; }
    int Disarms() const { return disarms_; }

private:
    bool armed_ = false;
    bool refuse_ = false;
    bool wakes_ = true;
    DateTime wakeTime_ = 0;
    int arms_ = 0;
    int disarms_ = 0;
    std::function<void()> fired_;
};

}  // namespace velmora
