#pragma once

#include "base/DateTime.h"

namespace velmora {

// The rising volume the ringing alarm plays its music under, which the
// settings dialog's music test borrows so the user hears how the alarm
// would sound. The main tick runs the ramp; the dialog only starts and stops
// it.
class VolumeRamp {
public:
    virtual ~VolumeRamp() = default;

    // The volume rises from `firstVolume` (percent), counted from `now`.
    virtual void Start(DateTime now, int firstVolume) = 0;
    // No ramp runs any more; the volume stays where it is.
    virtual void Stop() = 0;
};

}  // namespace velmora
