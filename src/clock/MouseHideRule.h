#pragma once

#include "clock/PixelGeometry.h"

namespace velmora {

// What the tick's mouse-hide step sees.
struct MouseHideInputs {
    bool Ringing = false;
    bool MenuOnMouseHide = false;  // "マウスが近づいたら時計を隠す(&H)" checked
    bool MessageShowing = false;   // a message box of the settings dialog is up
    bool MenuShowClock = true;     // "時計表示(&C)" checked
    PixelPoint Cursor;             // screen coordinates
    PixelRect Window;              // kept while the window is hidden
    bool WindowVisible = true;
    bool DialogVisible = false;  // the settings dialog
    bool HideAllowed = true;     // MouseHideAllowed: not while moving or in the menu
    bool CtrlDown = false;
};

enum class MouseHideAction { None, Show, Hide };

// The clock vanishes when the pointer reaches its outer part, comes back
// when the pointer leaves it or rests on its middle ninth, and stays while
// Ctrl is held.
MouseHideAction DecideMouseHide(const MouseHideInputs& in);

}  // namespace velmora
