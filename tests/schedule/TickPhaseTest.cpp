#include <gtest/gtest.h>

#include "schedule/TickPhase.h"

namespace velmora {
namespace {

struct PhaseCase {
    long long now;
    long long lead;
    long long delay;
};

class NextTick : public ::testing::TestWithParam<PhaseCase> {};

// Ticks fall where a sound started then is heard 2 ms past a tenth of a
// second, a late tick is followed by the next such moment, and nothing comes
// sooner than 20 ms after the last tick.
TEST_P(NextTick, FallsWhereTheSoundIsHeardOnATenth) {
    const PhaseCase& c = GetParam();
    const long long delay = MsToNextTick(c.now, c.lead);
    EXPECT_EQ(delay, c.delay);
    EXPECT_EQ(((c.now + delay + c.lead) % kMainTickMs + kMainTickMs) % kMainTickMs, kTickMarginMs);
}

INSTANTIATE_TEST_SUITE_P(
    Phases, NextTick,
    ::testing::Values(PhaseCase{1000, 0, 102},  // 2 ms ahead is too soon: the next one
                      PhaseCase{1002, 0, 100},  // on time: a whole tick
                      PhaseCase{1000, 25, 77},  // heard 25 ms later: ticks at .x77
                      PhaseCase{1077, 25, 100},
                      PhaseCase{1090, 25, 87},   // 13 ms late: back on the phase
                      PhaseCase{1060, 25, 117},  // 17 ms before a tick: skips it
                      PhaseCase{1000, 230, 72},  // a lead longer than a tick
                      PhaseCase{-5, 25, 82}));   // before the epoch

struct IdleCase {
    long long now;
    long long until;
    long long sleep;  // 0: the ticks go on as usual
};

class IdleWake : public ::testing::TestWithParam<IdleCase> {};

// An idle tick wakes on the usual phase about a second before its moment,
// not at all when the moment is too close for a sleep to pay, and after a
// minute at the most.
TEST_P(IdleWake, ComesOnThePhaseASecondBeforeTheMoment) {
    const IdleCase& c = GetParam();
    const long long lead = 4;
    EXPECT_EQ(MsToIdleWake(c.now, c.until, lead), c.sleep);
    if (c.sleep > 0) {
        EXPECT_EQ(MsToNextTick(c.now + c.sleep - kMainTickMs, lead), kMainTickMs);
    }
}

INSTANTIATE_TEST_SUITE_P(Moments, IdleWake,
                         ::testing::Values(IdleCase{10'098, 20'000, 8'900},  // 18.998, on the phase
                                           IdleCase{10'098, 12'098, 1'000},  // two seconds ahead
                                           IdleCase{10'098, 12'000, 0},      // too close: tick on
                                           IdleCase{10'098, 5'000, 0},       // passed: tick on
                                           IdleCase{10'098, 900'000, 60'000}));  // a minute at most

// Shown, the sleep ends on the first tick at which the hands move (ticks at
// .098 for a 4 ms lead), never after the idle sleep's own end, and not at all
// when they move on the very next tick.
TEST(HandsWake, EndsOnTheTickTheHandsMove) {
    const long long lead = 4;
    const auto movingFrom = [](long long firstMoveMs) {
        return [firstMoveMs](long long tickMs) { return tickMs >= firstMoveMs; };
    };
    EXPECT_EQ(MsToHandsMove(10'050, 8'900, lead, movingFrom(10'098)), 0);
    EXPECT_EQ(MsToHandsMove(10'050, 8'900, lead, movingFrom(10'250)), 248);  // the tick at 10.298
    EXPECT_EQ(MsToHandsMove(10'050, 8'900, lead, movingFrom(900'000)), 8'900);
}

}  // namespace
}  // namespace velmora
