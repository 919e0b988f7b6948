#pragma once

#include <cstdint>
#include <functional>
#include <map>

#include "base/EventPump.h"
#include "base/MillisecondClock.h"
#include "base/WallClock.h"

namespace velmora {

// Virtual time for the simulated clock: a wall clock and a millisecond count
// that move only from one scheduled happening to the next, and the event
// loop that moves them. Happenings due at the same moment run in the order
// they were scheduled.
class VirtualTime final : public WallClock, public MillisecondClock, public EventPump {
public:
    // `startMs` is the first moment in milliseconds since 1899/12/30.
    explicit VirtualTime(long long startMs);

    DateTime Now() override;
    std::uint32_t Milliseconds() override;
    // What the real event loop does while an operation waits: handles what
    // is due now, or waits up to 10 ms for the next happening.
    void ProcessEvents() override;

    long long NowMs() const { return nowMs_; }
    // Runs `action` at `ms`, or at once (on the next round) when that lies
    // in the past.
    void At(long long ms, std::function<void()> action);
    void After(long long delayMs, std::function<void()> action) {
        At(nowMs_ + delayMs, std::move(action));
    }
    // Runs everything due up to `endMs` in order and stops the clock there.
    void RunUntil(long long endMs);

private:
    void RunDue();

    long long nowMs_;
    long long startMs_;
    std::multimap<long long, std::function<void()>> queue_;
};

// Milliseconds since 1899/12/30 of a moment.
long long VirtualMs(DateTime t);

}  // namespace velmora
