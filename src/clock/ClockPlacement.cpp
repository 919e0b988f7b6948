#include "clock/ClockPlacement.h"

#include <algorithm>

#include "base/TextUtil.h"
#include "clock/ClockLayout.h"
#include "clock/ClockSizing.h"

namespace velmora {

namespace {

constexpr const char* kSection = "Clock";

// A stored width below the smallest the clock can be dragged to comes from a
// damaged file; taken as it stands it would leave a window too small to see
// or to grow again with the mouse.
int UsableWidth(int width) {
    return std::max(width, kMinDragWidth);
}

// A value that does not read as a number counts as missing, as it does for
// every integer of the settings file.
std::optional<int> ReadOptional(const IniFile& ini, const char* key) {
    const auto raw = ini.ReadRaw(kSection, key);
    return raw ? ParseProfileInteger(*raw) : std::nullopt;
}

PixelRect PlaceStored(const StoredClockGeometry& stored, int width, PixelSize screen) {
    PixelRect r;
    r.width = UsableWidth(width);
    r.height = HeightForWidth(r.width);
    const PixelPoint centred = CentredOn(screen, r.Size());
    r.left = stored.Left.value_or(centred.x);
    r.top = stored.Top.value_or(centred.y);
    return r;
}

}  // namespace

StoredClockGeometry ReadStoredClockGeometry(const IniFile& ini) {
    return {ReadOptional(ini, "Width"), ReadOptional(ini, "Left"), ReadOptional(ini, "Top")};
}

bool SaveClockGeometry(IniFile& ini, const PixelRect& window) {
    bool ok = ini.WriteInteger(kSection, "Width", window.width);
    ok = ini.WriteInteger(kSection, "Left", window.left) && ok;
    ok = ini.WriteInteger(kSection, "Top", window.top) && ok;
    return ok;
}

PixelPoint CentredOn(PixelSize screen, PixelSize window) {
    return {(screen.width - window.width) / 2, (screen.height - window.height) / 2};
}

Placement FirstShowPlacement(bool settingsExist, const StoredClockGeometry& stored,
                             PixelSize current, PixelSize screen) {
    Placement p;
    if (!settingsExist) {
        const PixelPoint centred = CentredOn(screen, current);
        p.Rect = {centred.x, centred.y, current.width, current.height};
        p.Save = true;
        return p;
    }
    p.Rect = PlaceStored(stored, stored.Width.value_or(current.width), screen);
    if (p.Rect.left >= screen.width - 10 || p.Rect.top >= screen.height - 10) {
        const PixelPoint centred = CentredOn(screen, p.Rect.Size());
        p.Rect.left = centred.x;
        p.Rect.top = centred.y;
        p.Save = true;
    }
    return p;
}

PixelRect NormalPlacement(const StoredClockGeometry& stored, PixelSize screen) {
    return PlaceStored(stored, stored.Width.value_or(kDesignWidth), screen);
}

PixelRect RingingPlacement(PixelSize screen) {
    PixelRect r;
    r.height = screen.height / 2;
    r.width = WidthForHeight(r.height);
    const PixelPoint centred = CentredOn(screen, r.Size());
    r.left = centred.x;
    r.top = centred.y;
    return r;
}

}  // namespace velmora
