#pragma once

#include <cstdint>
#include <string>

#include "sound/MixerTypes.h"

namespace velmora {

class TMixerCtrl;
class TMixerDev;

// One line of a mixer device: a destination (an output, the recording
// input) or a source feeding one.
class TMixerItem {
public:
    TMixerDev* Owner = nullptr;
    std::uint32_t LineID = 0;
    TMixerLineType LineType = TMixerLineType::ltUnknown;
    std::uint32_t Channels = 1;
    TMixerItem* Parent = nullptr;  // none for a destination
    int FirstControl = -1;         // index in the device's control list
    std::string Name;
    std::string ShortName;
    std::string TargetName;
    // Right level divided by left level, kept from the last reading so that
    // setting a level keeps the device's left/right ratio.
    float Balance = 1.0F;

    TMixerCtrl* VolumeCtrl() const { return FindControl(TMixerControlType::ctVolume); }
    TMixerCtrl* MuteCtrl() const { return FindControl(TMixerControlType::ctMute); }
    bool HasVolume() const { return VolumeCtrl() != nullptr; }
    bool HasMute() const { return MuteCtrl() != nullptr; }

private:
    // The line's first control of that type; a line's controls lie together
    // in the device's list, starting at FirstControl.
    TMixerCtrl* FindControl(TMixerControlType type) const;
};

}  // namespace velmora
