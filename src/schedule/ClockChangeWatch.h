#pragma once

#include <cstdint>

#include "base/DateTime.h"

namespace velmora {

// What happened to the time between two ticks.
struct ClockChange {
    // The computer slept (or the program was held up for seconds): ticks
    // stopped while both clocks went on.
    bool Resumed = false;
    // How far the wall clock jumped against the millisecond count: a clock
    // set by hand or by time sync, or a new time zone. 0: none.
    long long StepMs = 0;

    bool Any() const { return Resumed || StepMs != 0; }
};

// Notices, from one tick to the next, a wall clock that jumped and a pause
// of the ticks, so the clock can look at the time afresh instead of acting
// on moments measured before.
class ClockChangeWatch {
public:
    // Compares this tick's wall clock and millisecond count with the last
    // tick's.
    ClockChange Observe(DateTime wall, std::uint32_t count);
    // The desktop said the computer woke up; the next tick reports it.
    void NoteResume() { resumed_ = true; }

private:
    bool started_ = false;
    bool resumed_ = false;
    long long lastWallMs_ = 0;
    std::uint32_t lastCount_ = 0;
};

}  // namespace velmora
