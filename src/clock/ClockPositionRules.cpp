#include "clock/ClockPositionRules.h"

namespace velmora {

namespace {

std::string Resolution(PixelSize screen) {
    return std::to_string(screen.width) + "x" + std::to_string(screen.height);
}

}  // namespace

bool RememberedPositionApplies(const ClockPosition& position, PixelSize screen) {
    return position.Set && screen.width == position.MonitorX && screen.height == position.MonitorY;
}

std::string PositionQuestionText(PixelSize screen) {
    return "現在の画面解像度(" + Resolution(screen) + ")になったら\n時計をこの位置にしますか？";
}

std::string ClockPositionMenuCaption(PixelSize screen) {
    return "現在の画面解像度(" + Resolution(screen) + ")になったら時計を現在の位置にする(&P)";
}

bool WriteRememberedPosition(IniFile& ini, PixelPoint topLeft) {
    bool ok = ini.WriteInteger("ClockPosition", "X", topLeft.x);
    ok = ini.WriteInteger("ClockPosition", "Y", topLeft.y) && ok;
    return ok;
}

bool DisplayChangeAccepted(PixelSize knownScreen, bool monitorPresent) {
    return knownScreen.width > 0 && knownScreen.height > 0 && monitorPresent;
}

DisplayChangeOutcome SettleDisplayChange(const ClockPosition& position, PixelSize screen) {
    DisplayChangeOutcome out;
    if (position.Set) {
        if (RememberedPositionApplies(position, screen)) {
            out.Menu.Enabled = true;
            out.Menu.Checked = true;
            out.MoveTo = PixelPoint{position.X, position.Y};
        } else {
            out.Menu.Enabled = false;
        }
    } else {
        out.Menu.Caption = ClockPositionMenuCaption(screen);
        out.Menu.Enabled = true;
    }
    return out;
}

}  // namespace velmora
