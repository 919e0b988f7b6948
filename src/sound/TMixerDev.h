#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sound/MixerDeviceTable.h"
#include "sound/TMixerCtrl.h"
#include "sound/TMixerItem.h"

namespace velmora {

class TMixer;

// One open mixer device with the lines and controls the scan took in, each
// list in scan order. Closes the device when destroyed.
class TMixerDev {
public:
    TMixerDev(TMixer& owner, MixerDeviceTable& table, MixerHandle handle, std::string name);
    ~TMixerDev();
    TMixerDev(const TMixerDev&) = delete;
    TMixerDev& operator=(const TMixerDev&) = delete;

    TMixer& Owner() const { return owner_; }
    MixerHandle Handle() const { return handle_; }
    const std::string& Name() const { return name_; }

    std::vector<std::unique_ptr<TMixerItem>> Items;
    std::vector<std::unique_ptr<TMixerCtrl>> Controls;

    TMixerItem* FindLine(std::uint32_t lineId) const;
    TMixerCtrl* FindControl(std::uint32_t controlId) const;

private:
    TMixer& owner_;
    MixerDeviceTable& table_;
    MixerHandle handle_;
    std::string name_;
};

}  // namespace velmora
