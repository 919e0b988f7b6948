#pragma once

#include <QPoint>
#include <QSize>
#include <functional>
#include <optional>

namespace velmora {

// The desktop around the clock window, as far as the window asks about it.
class ClockDesktop {
public:
    virtual ~ClockDesktop() = default;

    // The primary screen's full size; 0 × 0 when no monitor is present.
    virtual QSize ScreenSize() const = 0;
    virtual QPoint CursorPos() const = 0;
    virtual bool CtrlDown() const = 0;
    // A compositing manager runs, so the window's alpha channel is honoured.
    virtual bool Compositing() const = 0;
    // Whether the left button is held, where the window system can tell.
    // Used to learn when an interactive move or resize handed to the window
    // manager has ended, which the window is not told.
    virtual std::optional<bool> LeftButtonDown() const = 0;
    // Whether the window system lets a window place itself, stay on top and
    // see the pointer anywhere on the screen (X11 does; Wayland does not).
    virtual bool PlacesWindows() const { return true; }
    // `changed` runs whenever the screen configuration changes.
    virtual void WatchScreens(std::function<void()> changed) = 0;
};

}  // namespace velmora
