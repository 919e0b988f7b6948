#pragma once

#include "base/WallClock.h"

namespace velmora::test {

// Not sim/VirtualTime: set to any moment at once, with no event loop behind it.
// A wall clock that shows whatever moment the test sets.
class FakeWallClock final : public WallClock {
public:
    explicit FakeWallClock(DateTime moment = 0) : now(moment) {}
    DateTime Now() override { return now; }
    DateTime now;
};

}  // namespace velmora::test
