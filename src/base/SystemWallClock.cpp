#include "base/SystemWallClock.h"

#include <chrono>
#include <ctime>

namespace velmora {

DateTime SystemWallClock::Now() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch() %
                                                                          std::chrono::seconds(1))
                        .count();
    std::tm local{};
    localtime_r(&seconds, &local);
    return EncodeDateTime(
        CivilDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
        TimeOfDay{local.tm_hour, local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec,
                  static_cast<int>(ms < 0 ? ms + 1000 : ms)});
}

}  // namespace velmora
