#include "base/SystemMillisecondClock.h"

#include <time.h>

#include <chrono>

namespace velmora {

std::uint32_t SystemMillisecondClock::Milliseconds() {
    long long ms = 0;
#ifdef CLOCK_BOOTTIME
    // Time in suspend counts, as it does for the system tick count: the
    // clock tells a computer that slept from a clock that was set.
    timespec now{};
    ::clock_gettime(CLOCK_BOOTTIME, &now);
    ms = static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1'000'000;
#else
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    ms = std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
#endif
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ms));
}

}  // namespace velmora
