#include "app/ClockVolumeRamp.h"

namespace velmora {

void ClockVolumeRamp::Start(DateTime now, int firstVolume) {
    state_.RampStart = now;
    state_.RampVolume = firstVolume;
}

void ClockVolumeRamp::Stop() {
    state_.RampStart = 0;
}

}  // namespace velmora
