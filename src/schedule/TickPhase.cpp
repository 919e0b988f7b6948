#include "schedule/TickPhase.h"

#include <algorithm>

namespace velmora {
namespace {

constexpr long long kMinGapMs = kMainTickMs / 5;

long long FloorMod(long long a, long long b) {
    const long long r = a % b;
    return r < 0 ? r + b : r;
}

}  // namespace

long long MsToNextTick(long long nowMs, long long audibleLeadMs) {
    const long long phase = FloorMod(kTickMarginMs - audibleLeadMs, kMainTickMs);
    const long long earliest = nowMs + kMinGapMs;
    return earliest + FloorMod(phase - earliest, kMainTickMs) - nowMs;
}

long long MsToIdleWake(long long nowMs, long long untilMs, long long audibleLeadMs) {
    const long long wakeMs = std::min(untilMs - kIdleWakeLeadMs, nowMs + kMaxIdleSleepMs);
    if (wakeMs - nowMs < kMinIdleSleepMs - kIdleWakeLeadMs) {
        return 0;
    }
    // The tick of the tenth just before the wake moment: the sleep never
    // runs past the moment the tick was asked to be back for.
    const long long tick = MsToNextTick(wakeMs - kMainTickMs, audibleLeadMs);
    return wakeMs - kMainTickMs + tick - nowMs;
}

long long MsToHandsMove(long long nowMs, long long sleepMs, long long audibleLeadMs,
                        const std::function<bool(long long tickMs)>& handsMove) {
    const long long first = nowMs + MsToNextTick(nowMs, audibleLeadMs);
    for (long long tick = first; tick - nowMs < sleepMs; tick += kMainTickMs) {
        if (handsMove(tick)) {
            return tick == first ? 0 : tick - nowMs;
        }
    }
    return sleepMs;
}

}  // namespace velmora
