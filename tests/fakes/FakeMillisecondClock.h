#pragma once

#include <cstdint>

#include "base/MillisecondClock.h"

namespace velmora::test {

// Not sim/VirtualTime: moves only when the test advances it, with no event loop.
// A millisecond count that moves only when told to.
class FakeMillisecondClock final : public MillisecondClock {
public:
    std::uint32_t Milliseconds() override { return now; }
    void Advance(std::uint32_t ms) { now += ms; }
    std::uint32_t now = 1000;
};

}  // namespace velmora::test
