#include "base/ClockSeededRandom.h"

#include <chrono>

namespace velmora {

ClockSeededRandom::ClockSeededRandom()
    : engine_(static_cast<std::mt19937::result_type>(
          std::chrono::system_clock::now().time_since_epoch().count())) {}

int ClockSeededRandom::Below(int n) {
    if (n < 1) {
        return 0;
    }
    return std::uniform_int_distribution<int>(0, n - 1)(engine_);
}

}  // namespace velmora
