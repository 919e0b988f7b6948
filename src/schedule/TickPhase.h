#pragma once

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

}  // namespace velmora
