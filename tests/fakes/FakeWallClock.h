#pragma once

#include "base/WallClock.h"

namespace velmora::test {

// A wall clock that shows whatever moment the test sets.
class FakeWallClock final : public WallClock {
public:
    explicit FakeWallClock(DateTime moment = 0) : now(moment) {}
    DateTime Now() override { return now; }
    DateTime now;
};

}  // namespace velmora::test
