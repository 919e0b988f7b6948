#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "sound/MixerDeviceTable.h"
#include "sound/MixerTypes.h"

namespace velmora {

class TMixerItem;

// One control of a mixer line (a level, a switch).
class TMixerCtrl {
public:
    TMixerItem* Owner = nullptr;
    std::uint32_t ControlID = 0;
    TMixerControlType ControlType = TMixerControlType::ctUnknown;
    std::uint32_t Flags = 0;
    std::uint32_t MultipleItems = 0;
    std::string Name;
    std::string ShortName;
    std::array<std::uint32_t, 6> Bounds{};
    std::array<std::uint32_t, 6> Metrics{};

    bool Uniform() const { return (Flags & kControlUniform) != 0; }
    bool Multiple() const { return (Flags & kControlMultiple) != 0; }
    bool Disabled() const { return (Flags & kControlDisabled) != 0; }
};

}  // namespace velmora
