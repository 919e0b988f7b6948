#pragma once

#include "base/MillisecondClock.h"

namespace velmora {

// Milliseconds since boot, suspend included, cut to 32 bits: it
// wraps after about 49.7 days, like the system tick count it stands for.
class SystemMillisecondClock final : public MillisecondClock {
public:
    std::uint32_t Milliseconds() override;
};

}  // namespace velmora
