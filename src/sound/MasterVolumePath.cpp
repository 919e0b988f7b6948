#include "sound/MasterVolumePath.h"

#include "sound/MixerMasterVolume.h"
#include "sound/TMixer.h"
#include "sound/alsa/AlsaMixerTable.h"
#include "sound/pulse/PulseEndpointVolume.h"

namespace velmora {

MasterVolumePath ChooseMasterVolume() {
    auto endpoint = std::make_unique<PulseEndpointVolume>();
    if (endpoint->Connect()) {
        return {true, std::move(endpoint)};
    }
    auto mixer = std::make_unique<TMixer>(std::make_unique<AlsaMixerTable>());
    mixer->Loaded();
    return {false, std::make_unique<MixerMasterVolume>(std::move(mixer))};
}

}  // namespace velmora
