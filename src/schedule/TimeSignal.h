#pragma once

#include <optional>

#include "schedule/ClockServices.h"
#include "schedule/ClockState.h"

namespace velmora {

// The time signal's step of the tick: at a mark (or as early before it as
// its sound or pre-announcement needs), one utterance at the volume of the
// time of day.
class TimeSignal {
public:
    TimeSignal(ClockState& state, const ClockServices& services);

    void Step(DateTime now);
    // The first moment from `now` at which Step could act (prepare the next
    // mark's words, or speak), the clock's state staying as it is; nullopt
    // with the signal off or no mark within a day.
    std::optional<DateTime> NextActionMoment(DateTime now) const;

private:
    // Hands the words of the mark after the moment `checked` to the
    // synthesizer a minute ahead, so the signal starts on its mark however
    // long synthesis takes.
    void PrepareNextMark(DateTime checked);
    // The voice of the signal for `mark`: the one its words were prepared in.
    int VoiceFor(DateTime mark) const;

    ClockState& state_;
    const ClockServices& s_;
};

}  // namespace velmora
