#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "sound/MixerDeviceTable.h"

namespace velmora {

class AlsaMixerLine;

// ALSA's mixers as the mixer device table: each control device (a sound
// card) is a device with one destination, the speakers, taken from the
// "Master" element (or the likeliest output element when there is none),
// fed by the card's other playback elements as sources. An element's
// playback volume is its level control, scaled to 0..65535, and its
// playback switch (on = sounding) its mute control. Changes made from
// outside reach the listener through the Qt event loop when one runs.
class AlsaMixerTable final : public MixerDeviceTable {
public:
    // The sound cards' mixers, in card order.
    AlsaMixerTable();
    // The mixers of the given control devices ("hw:0", "default", ...).
    explicit AlsaMixerTable(std::vector<std::string> deviceNames);
    ~AlsaMixerTable() override;
    AlsaMixerTable(const AlsaMixerTable&) = delete;
    AlsaMixerTable& operator=(const AlsaMixerTable&) = delete;

    // The control devices of the sound cards present now.
    static std::vector<std::string> CardNames();

    std::uint32_t DeviceCount() override;
    int GetDeviceCaps(std::uint32_t device, MixerDeviceCaps& caps) override;
    int Open(std::uint32_t device, MixerHandle& handle) override;
    void Close(MixerHandle handle) override;
    int GetDestinationInfo(MixerHandle handle, std::uint32_t destination,
                           MixerLineInfo& info) override;
    int GetSourceInfo(MixerHandle handle, std::uint32_t destination, std::uint32_t source,
                      MixerLineInfo& info) override;
    int GetLineControls(MixerHandle handle, std::uint32_t lineId,
                        std::vector<MixerControlInfo>& controls) override;
    int GetControlDetails(MixerHandle handle, std::uint32_t controlId,
                          std::span<std::uint32_t> values) override;
    int SetControlDetails(MixerHandle handle, std::uint32_t controlId,
                          std::span<const std::uint32_t> values) override;
    void SetListener(MixerChangeListener* listener) override;

    struct Device;

    // Called from a device's element callbacks.
    void Changed(MixerHandle handle, std::uint32_t id, bool isLine);

private:
    Device* Find(MixerHandle handle);
    AlsaMixerLine* FindLine(Device& device, std::uint32_t lineId);
    // The line of a control taking `count` values, and whether it is the
    // line's mute switch (else its level); a table result.
    int FindControl(MixerHandle handle, std::uint32_t controlId, std::size_t count,
                    const AlsaMixerLine*& line, bool& isMute);
    void DeliverChanges();

    std::vector<std::string> names_;
    std::map<MixerHandle, std::unique_ptr<Device>> devices_;
    MixerHandle nextHandle_ = 1;
    MixerChangeListener* listener_ = nullptr;
    struct PendingChange {
        MixerHandle handle;
        std::uint32_t id;
        bool isLine;
    };
    std::vector<PendingChange> pending_;
    struct Delivery;
    std::unique_ptr<Delivery> delivery_;
};

}  // namespace velmora
