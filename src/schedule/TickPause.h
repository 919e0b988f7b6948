#pragma once

#include "schedule/ClockState.h"

namespace velmora {

// Holds the main timer off for a scope and gives it back as it was.
class TickPause {
public:
    explicit TickPause(ClockState& state) : state_(state), was_(state.MainTimerEnabled) {
        state_.MainTimerEnabled = false;
    }
    ~TickPause() { state_.MainTimerEnabled = was_; }
    TickPause(const TickPause&) = delete;
    TickPause& operator=(const TickPause&) = delete;

private:
    ClockState& state_;
    bool was_;
};

}  // namespace velmora
