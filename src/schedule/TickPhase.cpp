#include "schedule/TickPhase.h"

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

}  // namespace velmora
