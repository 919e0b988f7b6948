#include "base/SystemMillisecondClock.h"

#include <chrono>

namespace velmora {

std::uint32_t SystemMillisecondClock::Milliseconds() {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ms));
}

}  // namespace velmora
