#pragma once

#include <functional>

namespace velmora {

// The main tick runs ten times a second, phased to the wall clock so that a
// sound started on a tick is heard on a whole tenth of a second. A time
// signal's tone then ends on its mark, where a free-running timer would let
// it end anywhere up to a tick late.
inline constexpr long long kMainTickMs = 100;
// Ticks aim this far past the tenth: read a moment before it, the wall
// clock would still show the second before the mark, and the signal would
// wait a whole tick.
inline constexpr long long kTickMarginMs = 2;

// Milliseconds from `nowMs` (wall clock) to the next tick, for a sound
// output heard `audibleLeadMs` after it is started. Never less than a fifth
// of a tick, so a late tick is followed by the next tenth, not by a second
// tick at once.
long long MsToNextTick(long long nowMs, long long audibleLeadMs);

// A tick with nothing to do until `untilMs` sleeps until the last tenth of a
// second at least this long before it, and ticks as ever from there.
inline constexpr long long kIdleWakeLeadMs = 1000;
// Shorter sleeps are not worth leaving the rhythm of the ticks for.
inline constexpr long long kMinIdleSleepMs = 2 * kIdleWakeLeadMs;
// A sleep is cut off after this long all the same: a change of the wall
// clock or its zone that nobody reported is then seen within a minute.
inline constexpr long long kMaxIdleSleepMs = 60'000;

// Milliseconds from `nowMs` (wall clock) to the tick that ends an idle
// sleep until `untilMs`, on the ticks' usual phase; 0 when the ticks go on
// as usual because the moment is too close.
long long MsToIdleWake(long long nowMs, long long untilMs, long long audibleLeadMs);

// Such a sleep of `sleepMs` for a clock on the screen: it ends at the first
// coming tick at which `handsMove(tickMs)` holds, since the hands are drawn
// there, and is 0 when that is the very next tick. A clock whose hands move a
// pixel seven times a second then wakes seven times, not ten.
long long MsToHandsMove(long long nowMs, long long sleepMs, long long audibleLeadMs,
                        const std::function<bool(long long tickMs)>& handsMove);

}  // namespace velmora
