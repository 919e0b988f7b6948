#pragma once

#include "dialog/SettingsDialogTypes.h"

namespace velmora {

// The computer's sleep states as the settings dialog's power action asks
// for them.
class SystemPower {
public:
    virtual ~SystemPower() = default;
    // Whether this program may put the computer into that state now.
    virtual bool MayEnter(PowerAction action) = 0;
    // Asks for the state; what becomes of the request is not followed.
    virtual void Enter(PowerAction action) = 0;
};

}  // namespace velmora
