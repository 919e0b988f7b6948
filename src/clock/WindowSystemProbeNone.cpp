#include "clock/WindowSystemProbe.h"

namespace velmora {

bool ProbeCompositing() {
    return false;
}

std::optional<bool> ProbeLeftButtonDown() {
    return std::nullopt;
}

bool ProbeXDisplay(const char* /*display*/) {
    return false;
}

}  // namespace velmora
