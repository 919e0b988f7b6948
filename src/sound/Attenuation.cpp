#include "sound/Attenuation.h"

#include <cmath>

namespace velmora {

std::optional<double> AttenuationToGain(int attenuation) {
    if (attenuation > 0 || attenuation < kSilentAttenuation) {
        return std::nullopt;
    }
    if (attenuation == kSilentAttenuation) {
        return 0.0;
    }
    return std::pow(10.0, attenuation / 2000.0);
}

}  // namespace velmora
