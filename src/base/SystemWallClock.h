#pragma once

#include "base/WallClock.h"

namespace velmora {

// The system's local time, to the millisecond.
class SystemWallClock final : public WallClock {
public:
    DateTime Now() override;
};

}  // namespace velmora
