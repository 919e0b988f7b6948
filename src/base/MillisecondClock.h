#pragma once

#include <cstdint>

namespace velmora {

// The 32-bit millisecond count that sound lengths and watchdogs are measured
// against. Logic takes it as an object so tests can move time by hand.
class MillisecondClock {
public:
    virtual ~MillisecondClock() = default;
    virtual std::uint32_t Milliseconds() = 0;
};

// Time between two readings of the count as the absolute difference of the
// two values, which is how every period of the program is measured.
constexpr std::uint32_t MillisecondsBetween(std::uint32_t a, std::uint32_t b) {
    return a > b ? a - b : b - a;
}

}  // namespace velmora
