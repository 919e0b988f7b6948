#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>

#include "FakeMillisecondClock.h"
#include "base/EventPump.h"

namespace velmora::test {

// Not sim/VirtualTime: rounds step a fixed time and an endless wait throws.
// Each round of the event loop moves the fake clock on by `step` and runs
// `onEvents`, which stands for whatever the events of that round would do
// (a player reporting its end, a channel falling silent). A wait that never
// ends throws instead of hanging the test.
class FakeEventPump final : public EventPump {
public:
    explicit FakeEventPump(FakeMillisecondClock& clock) : clock_(clock) {}

    void ProcessEvents() override {
        if (++rounds > limit) {
            throw std::runtime_error("the event loop was pumped without end");
        }
        clock_.Advance(step);
        if (onEvents) {
            onEvents();
        }
    }

    std::function<void()> onEvents;
    std::uint32_t step = 10;
    int rounds = 0;
    int limit = 100000;

private:
    FakeMillisecondClock& clock_;
};

}  // namespace velmora::test
