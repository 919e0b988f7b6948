#pragma once

#include <memory>

#include "sound/MasterVolume.h"

namespace velmora {

// The way to the master volume chosen at start-up.
struct MasterVolumePath {
    // True: the sound server's default output; false: the first sound
    // card's mixer.
    bool useEndpointVolume = false;
    std::unique_ptr<MasterVolume> volume;
};

// The sound server's default output when a PulseAudio server (or PipeWire's
// PulseAudio service) answers, otherwise the speakers line of the first
// ALSA mixer (which may be missing, leaving the level alone).
MasterVolumePath ChooseMasterVolume();

}  // namespace velmora
