#include "schedule/ClockChangeWatch.h"

#include <cstdlib>

#include "schedule/ClockState.h"

namespace velmora {
namespace {

// Ticks come every 100 ms; a gap this long means no tick could run.
constexpr long long kResumeGapMs = 5000;
// The wall clock and the count are read a moment apart, and time sync slews
// small errors; a difference this large is a step.
constexpr long long kStepMs = 1000;

}  // namespace

ClockChange ClockChangeWatch::Observe(DateTime wall, std::uint32_t count) {
    const long long wallMs = MomentMs(wall);
    ClockChange change;
    change.Resumed = resumed_;
    resumed_ = false;
    if (started_) {
        // Modulo 2^32, so the count's wrap-around is no pause.
        const long long elapsed = static_cast<std::uint32_t>(count - lastCount_);
        const long long drift = wallMs - lastWallMs_ - elapsed;
        change.Resumed = change.Resumed || elapsed >= kResumeGapMs;
        if (std::llabs(drift) >= kStepMs) {
            change.StepMs = drift;
        }
    }
    started_ = true;
    lastWallMs_ = wallMs;
    lastCount_ = count;
    return change;
}

}  // namespace velmora
