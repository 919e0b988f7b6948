#include "sim/VirtualTime.h"

#include <algorithm>
#include <utility>

#include "schedule/ClockState.h"

namespace velmora {
namespace {

// How long the real event loop waits for something when nothing is pending.
constexpr long long kIdleWaitMs = 10;
// The millisecond count starts away from 0, which the program reads as "none".
constexpr long long kCountBase = 100'000;

}  // namespace

long long VirtualMs(DateTime t) {
    return MomentMs(t);
}

VirtualTime::VirtualTime(long long startMs) : nowMs_(startMs), startMs_(startMs) {}

DateTime VirtualTime::Now() {
    return static_cast<double>(WallMs()) / static_cast<double>(kMsPerDay);
}

std::uint32_t VirtualTime::Milliseconds() {
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(nowMs_ - startMs_ + kCountBase));
}

void VirtualTime::At(long long ms, std::function<void()> action) {
    queue_.emplace(std::max(ms, nowMs_), std::move(action));
}

void VirtualTime::RunDue() {
    while (!queue_.empty() && queue_.begin()->first <= nowMs_) {
        auto node = queue_.extract(queue_.begin());
        node.mapped()();
    }
}

void VirtualTime::ProcessEvents() {
    if (queue_.empty() || queue_.begin()->first > nowMs_) {
        const long long next = queue_.empty() ? nowMs_ + kIdleWaitMs : queue_.begin()->first;
        nowMs_ = std::min(next, nowMs_ + kIdleWaitMs);
    }
    RunDue();
}

void VirtualTime::RunUntil(long long endMs) {
    while (!queue_.empty() && queue_.begin()->first <= endMs) {
        nowMs_ = std::max(nowMs_, queue_.begin()->first);
        auto node = queue_.extract(queue_.begin());
        node.mapped()();
    }
    nowMs_ = std::max(nowMs_, endMs);
}

}  // namespace velmora
