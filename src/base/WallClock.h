#pragma once

#include "base/DateTime.h"

namespace velmora {

// The local wall clock with its milliseconds. The tick reads it through this
// object, so tests and the simulator can run the clock on virtual time.
class WallClock {
public:
    virtual ~WallClock() = default;
    virtual DateTime Now() = 0;
};

}  // namespace velmora
