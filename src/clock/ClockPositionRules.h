#pragma once

#include <optional>
#include <string>

#include "clock/PixelGeometry.h"
#include "settings/IniFile.h"
#include "settings/StartupSettings.h"

namespace velmora {

// One clock position can be remembered for one screen resolution; it is
// used whenever the screen has that resolution.
bool RememberedPositionApplies(const ClockPosition& position, PixelSize screen);

// Asked after the clock was moved or resized at the remembered resolution.
std::string PositionQuestionText(PixelSize screen);
// The tray menu item that remembers the position.
std::string ClockPositionMenuCaption(PixelSize screen);
// Writes [ClockPosition] X and Y.
bool WriteRememberedPosition(IniFile& ini, PixelPoint topLeft);

// How the tray menu item `MenuSetClockPosition` changes; unset fields stay.
struct ClockPositionMenuUpdate {
    std::optional<bool> Checked;
    std::optional<bool> Enabled;
    std::optional<std::string> Caption;
    friend bool operator==(const ClockPositionMenuUpdate&,
                           const ClockPositionMenuUpdate&) = default;
};

// A change of the screen resolution is acted on after this wait, so the
// desktop has settled before the clock is placed.
inline constexpr int kDisplayChangeWaitMs = 10'000;

// A change is ignored while the screen size seen so far holds a zero or no
// monitor is present.
bool DisplayChangeAccepted(PixelSize knownScreen, bool monitorPresent);

struct DisplayChangeOutcome {
    std::optional<PixelPoint> MoveTo;
    ClockPositionMenuUpdate Menu;
};

// What happens once the wait after a change to `screen` is over.
DisplayChangeOutcome SettleDisplayChange(const ClockPosition& position, PixelSize screen);

}  // namespace velmora
