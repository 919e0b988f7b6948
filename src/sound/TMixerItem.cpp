#include "sound/TMixerItem.h"

#include "sound/TMixerCtrl.h"
#include "sound/TMixerDev.h"

namespace velmora {

TMixerCtrl* TMixerItem::FindControl(TMixerControlType type) const {
    if (FirstControl < 0 || Owner == nullptr) {
        return nullptr;
    }
    const auto& controls = Owner->Controls;
    for (auto i = static_cast<std::size_t>(FirstControl);
         i < controls.size() && controls[i]->Owner == this; ++i) {
        if (controls[i]->ControlType == type) {
            return controls[i].get();
        }
    }
    return nullptr;
}

}  // namespace velmora
