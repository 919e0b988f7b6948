#include "clock/WindowSystemProbe.h"

namespace velmora {

bool ProbeCompositing() {
    return false;
}

std::optional<bool> ProbeLeftButtonDown() {
    return std::nullopt;
}

}  // namespace velmora
