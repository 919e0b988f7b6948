#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace velmora {

// Results of the device table's operations; anything but kMixerOk is a
// failure (the table may report causes of its own beyond these).
inline constexpr int kMixerOk = 0;
inline constexpr int kMixerBadDeviceId = 2;
inline constexpr int kMixerInvalidHandle = 5;
inline constexpr int kMixerNoDriver = 6;
inline constexpr int kMixerNoMemory = 7;
inline constexpr int kMixerInvalidFlag = 10;
inline constexpr int kMixerInvalidParameter = 11;
inline constexpr int kMixerInvalidLine = 1024;
inline constexpr int kMixerInvalidControl = 1025;

using MixerHandle = std::uintptr_t;

struct MixerDeviceCaps {
    std::string name;
    std::uint32_t destinations = 0;
};

struct MixerLineInfo {
    std::uint32_t lineId = 0;
    std::uint32_t componentType = 0;  // numbering of MixerTypes.h
    std::uint32_t channels = 1;
    std::uint32_t connections = 0;  // sources of a destination line
    std::uint32_t controls = 0;
    std::string name;
    std::string shortName;
    std::string targetName;
};

// Control flags.
inline constexpr std::uint32_t kControlUniform = 0x1;
inline constexpr std::uint32_t kControlMultiple = 0x2;
inline constexpr std::uint32_t kControlDisabled = 0x80000000;

struct MixerControlInfo {
    std::uint32_t controlId = 0;
    std::uint32_t controlType = 0;  // code of MixerTypes.h
    std::uint32_t flags = 0;
    std::uint32_t multipleItems = 0;
    std::string name;
    std::string shortName;
    std::array<std::uint32_t, 6> bounds{};
    std::array<std::uint32_t, 6> metrics{};
};

// Told of changes made to a device's lines and controls from outside (by
// the user's mixer, another program, a plugged headset).
class MixerChangeListener {
public:
    virtual ~MixerChangeListener() = default;
    virtual void LineChanged(MixerHandle device, std::uint32_t lineId) = 0;
    virtual void ControlChanged(MixerHandle device, std::uint32_t controlId) = 0;
};

// The system's hardware mixers as a table of devices, each with destination
// lines (outputs and recording) fed by source lines, each line with its
// controls. Values are whole numbers, one per channel (one in all for a
// uniform control), levels on the scale 0..65535 and switches 0 or 1.
class MixerDeviceTable {
public:
    virtual ~MixerDeviceTable() = default;

    virtual std::uint32_t DeviceCount() = 0;
    virtual int GetDeviceCaps(std::uint32_t device, MixerDeviceCaps& caps) = 0;
    // Opened devices report their changes to the listener set at that time.
    virtual int Open(std::uint32_t device, MixerHandle& handle) = 0;
    virtual void Close(MixerHandle handle) = 0;
    virtual int GetDestinationInfo(MixerHandle handle, std::uint32_t destination,
                                   MixerLineInfo& info) = 0;
    virtual int GetSourceInfo(MixerHandle handle, std::uint32_t destination, std::uint32_t source,
                              MixerLineInfo& info) = 0;
    virtual int GetLineControls(MixerHandle handle, std::uint32_t lineId,
                                std::vector<MixerControlInfo>& controls) = 0;
    // `values` holds as many values as the control has channels (or one).
    virtual int GetControlDetails(MixerHandle handle, std::uint32_t controlId,
                                  std::span<std::uint32_t> values) = 0;
    virtual int SetControlDetails(MixerHandle handle, std::uint32_t controlId,
                                  std::span<const std::uint32_t> values) = 0;
    virtual void SetListener(MixerChangeListener* listener) = 0;
};

}  // namespace velmora
