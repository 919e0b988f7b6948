#pragma once

#include <optional>

#include "clock/PixelGeometry.h"
#include "settings/IniFile.h"

namespace velmora {

// [Clock] Width, Left and Top as stored; a missing key is nullopt.
struct StoredClockGeometry {
    std::optional<int> Width;
    std::optional<int> Left;
    std::optional<int> Top;
};

StoredClockGeometry ReadStoredClockGeometry(const IniFile& ini);

// Writes [Clock] Width, Left and Top (the height follows from the width).
bool SaveClockGeometry(IniFile& ini, const PixelRect& window);

// (screen − window) / 2 in each direction, rounded toward zero.
PixelPoint CentredOn(PixelSize screen, PixelSize window);

struct Placement {
    PixelRect Rect;
    bool Save = false;  // the placement must be written back at once
};

// The first showing: the stored size and place, or centred when the settings
// file does not exist yet or the stored place lies at the screen's right or
// bottom edge. `current` is the dial's size before any setting is applied.
Placement FirstShowPlacement(bool settingsExist, const StoredClockGeometry& stored,
                             PixelSize current, PixelSize screen);

// The normal window after ringing, from the stored values alone (width 200
// when none is stored).
PixelRect NormalPlacement(const StoredClockGeometry& stored, PixelSize screen);

// While the alarm rings: half the screen high, centred.
PixelRect RingingPlacement(PixelSize screen);

}  // namespace velmora
