#pragma once

#include <string>

#include "base/DateTime.h"

namespace velmora {

// What the tick and the alarm do to the clock window.
class ClockWindowOps {
public:
    virtual ~ClockWindowOps() = default;

    virtual bool Visible() const = 0;
    // Closes (hides) the window.
    virtual void Hide() = 0;
    // Shown half the screen high in the middle of the screen, laid out and
    // drawn anew with the normal cursor, top-most without taking the focus.
    virtual void EnlargeForRinging() = 0;
    // Back to the size and place stored in the settings file, laid out anew.
    virtual void RestoreNormalSize() = 0;
    // Top-most or not, without activating, moving or sizing the window.
    virtual void SetTopMost(bool topMost) = 0;
    virtual void DrawHands(DateTime now) = 0;
    // Whether hands drawn for `moment` would look any different from the
    // hands on the screen: false while the window is hidden.
    virtual bool HandsMoveBy(DateTime moment) const = 0;
    // One step of the rule that hides the clock when the mouse comes near.
    virtual void ApplyMouseHideRule() = 0;
    // Whether that rule is in force, watching the pointer on every tick.
    virtual bool WatchesPointer() const = 0;
    // The face name stored in the settings file, when it is installed, for
    // the clock, the about window and the settings dialog; the clock is laid
    // out anew.
    virtual void ApplyStoredFont() = 0;
    // The hint over the clock face.
    virtual void SetHint(const std::string& hint) = 0;
    // The alarm mode label on the dial ("ALARM OFF", "ALARM ON", "SNOOZE"),
    // centred.
    virtual void SetAlarmLabel(const std::string& text) = 0;
};

}  // namespace velmora
