#include "sound/TMixerDev.h"

#include <utility>

namespace velmora {

TMixerDev::TMixerDev(TMixer& owner, MixerDeviceTable& table, MixerHandle handle, std::string name)
    : owner_(owner), table_(table), handle_(handle), name_(std::move(name)) {}

TMixerDev::~TMixerDev() {
    Controls.clear();
    Items.clear();
    table_.Close(handle_);
}

TMixerItem* TMixerDev::FindLine(std::uint32_t lineId) const {
    for (const auto& item : Items) {
        if (item->LineID == lineId) {
            return item.get();
        }
    }
    return nullptr;
}

TMixerCtrl* TMixerDev::FindControl(std::uint32_t controlId) const {
    for (const auto& control : Controls) {
        if (control->ControlID == controlId) {
            return control.get();
        }
    }
    return nullptr;
}

}  // namespace velmora
