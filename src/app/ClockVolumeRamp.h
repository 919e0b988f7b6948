#pragma once

#include "dialog/VolumeRamp.h"
#include "schedule/ClockState.h"

namespace velmora {

// The dialog's music test's ramp, run by the clock's tick from the clock's
// own state, as the ringing alarm's is.
class ClockVolumeRamp final : public VolumeRamp {
public:
    explicit ClockVolumeRamp(ClockState& state) : state_(state) {}

    void Start(DateTime now, int firstVolume) override;
    void Stop() override;

private:
    ClockState& state_;
};

}  // namespace velmora
