#include "clock/MouseHideRule.h"

namespace velmora {

namespace {

bool InCentralNinth(const PixelRect& r, PixelPoint p) {
    return r.left + r.width / 3 <= p.x && p.x <= r.left + 2 * (r.width / 3) &&
           r.top + r.height / 3 <= p.y && p.y <= r.top + 2 * (r.height / 3);
}

bool Outside(const PixelRect& r, PixelPoint p) {
    return p.x < r.left || p.x > r.left + r.width || p.y < r.top || p.y > r.top + r.height;
}

}  // namespace

MouseHideAction DecideMouseHide(const MouseHideInputs& in) {
    if (in.Ringing || !in.MenuOnMouseHide || in.MessageShowing || !in.MenuShowClock) {
        return MouseHideAction::None;
    }
    if (Outside(in.Window, in.Cursor) || InCentralNinth(in.Window, in.Cursor)) {
        return !in.WindowVisible && !in.DialogVisible ? MouseHideAction::Show
                                                      : MouseHideAction::None;
    }
    return in.WindowVisible && in.HideAllowed && !in.CtrlDown ? MouseHideAction::Hide
                                                              : MouseHideAction::None;
}

}  // namespace velmora
