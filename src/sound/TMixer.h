#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "sound/MixerDeviceTable.h"
#include "sound/MixerTypes.h"
#include "sound/TMixerCtrl.h"
#include "sound/TMixerDev.h"
#include "sound/TMixerItem.h"

namespace velmora {

// The hardware mixers as a tree of devices, lines and controls, with the
// speakers line's level in percent and its mute as the program uses them.
// Value operations throw EMixerError when the device refuses; the speakers
// operations do nothing (or report -1 / not muted) when there is no speakers
// line or it lacks the control.
class TMixer final : public MixerChangeListener {
public:
    using ControlChangeEvent = std::function<void(TMixer&, TMixerDev&, TMixerItem&, TMixerCtrl&)>;
    using LineChangeEvent = std::function<void(TMixer&, TMixerDev&, TMixerItem&)>;

    explicit TMixer(std::unique_ptr<MixerDeviceTable> table);
    ~TMixer() override;
    TMixer(const TMixer&) = delete;
    TMixer& operator=(const TMixer&) = delete;

    bool AutoScan = true;
    bool EnableInvalidItem = false;
    TMixerTarget Target;
    TMixerOptions Options;
    ControlChangeEvent OnControlChange;
    LineChangeEvent OnLineChange;

    // The component is set up: scans when AutoScan is set.
    void Loaded();
    // Reads every device into the tree afresh. Devices, destinations and
    // lines that cannot be read are left out without an error.
    void Scan();

    const std::vector<std::unique_ptr<TMixerDev>>& Devices() const { return devices_; }

    // The first speakers destination of the first device, or none.
    TMixerItem* SpeakersItem() const;
    // 0..100, or -1 without a speakers line with a level.
    int GetSpeakersVolume();
    void SetSpeakersVolume(int percent);
    bool GetSpeakersMute();
    void SetSpeakersMute(bool muted);

    // How many values the control holds: one per channel (one in all for a
    // uniform control), times the items of a multiple control.
    static std::size_t ValueCount(const TMixerCtrl& control);
    void GetUnsignedValues(const TMixerCtrl& control, std::span<std::uint32_t> values);
    void SetUnsignedValues(const TMixerCtrl& control, std::span<const std::uint32_t> values);
    void GetBooleanValues(const TMixerCtrl& control, std::span<std::uint32_t> values);
    void SetBooleanValues(const TMixerCtrl& control, std::span<const std::uint32_t> values);

    void LineChanged(MixerHandle device, std::uint32_t lineId) override;
    void ControlChanged(MixerHandle device, std::uint32_t controlId) override;

private:
    void ScanDevice(TMixerDev& device, std::uint32_t destinations);
    void ScanDestination(TMixerDev& device, std::uint32_t destination,
                         const MixerLineInfo& destinationInfo);
    TMixerItem* AddLine(TMixerDev& device, const MixerLineInfo& info, TMixerItem* parent);
    void CheckValues(const TMixerCtrl& control, MixerValueClass wanted, std::size_t count) const;
    void ReadValues(const TMixerCtrl& control, std::span<std::uint32_t> values);
    void WriteValues(const TMixerCtrl& control, std::span<const std::uint32_t> values);
    void UpdateBalance(TMixerItem& item, std::uint32_t left, std::uint32_t right) const;
    TMixerDev* DeviceByHandle(MixerHandle handle) const;

    std::unique_ptr<MixerDeviceTable> table_;
    std::vector<std::unique_ptr<TMixerDev>> devices_;
};

}  // namespace velmora
