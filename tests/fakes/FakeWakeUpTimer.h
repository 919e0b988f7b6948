#pragma once

#include <functional>
#include <vector>

#include "schedule/WakeUpTimer.h"

namespace velmora::test {

// Remembers every moment it is armed for; a test decides whether arming
// succeeds and whether the timer could wake the computer.
class FakeWakeUpTimer final : public WakeUpTimer {
public:
    bool Arm(DateTime wakeAt) override {
        armed.push_back(wakeAt);
        return armSucceeds;
    }
    void Disarm() override { ++disarms; }
    bool WakesFromSleep() const override { return wakes; }
    void SetFiredHandler(std::function<void()> handler) override { fired = std::move(handler); }

    bool armSucceeds = true;
    bool wakes = true;
    std::vector<DateTime> armed;
    int disarms = 0;
    std::function<void()> fired;
};

}  // namespace velmora::test
