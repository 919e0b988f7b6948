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
// they were scheduled. Happenings are scheduled on the count's time line;
// the wall clock runs with it, apart from the steps it is given (a clock
// set by hand or by time sync), which the count does not see.
class VirtualTime final : public WallClock, public MillisecondClock, public EventPump {
public:
    // `startMs` is the first moment in milliseconds since 1899/12/30.
    explicit VirtualTime(long long startMs);

    DateTime Now() override;
    std::uint32_t Milliseconds() override;
    // What the real event loop does while an operation waits: handles what
    // is due now, or waits up to 10 ms for the next happening.
    void ProcessEvents() override;

    // The count's time line, in milliseconds since 1899/12/30 as it stood
    // at the start.
    long long NowMs() const { return nowMs_; }
    // The wall clock in milliseconds since 1899/12/30.
    long long WallMs() const { return nowMs_ + wallOffsetMs_; }
    long long WallOffsetMs() const { return wallOffsetMs_; }
    // The wall clock jumps by `deltaMs` (negative goes back).
    void StepWall(long long deltaMs) { wallOffsetMs_ += deltaMs; }
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
    long long wallOffsetMs_ = 0;
    std::multimap<long long, std::function<void()>> queue_;
};

// Milliseconds since 1899/12/30 of a moment.
long long VirtualMs(DateTime t);

}  // namespace velmora
