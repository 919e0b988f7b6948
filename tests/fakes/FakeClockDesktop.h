#pragma once

#include <functional>
#include <optional>

#include "clock/ClockDesktop.h"

namespace velmora::test {

// A desktop whose screen, pointer and keys the test sets.
class FakeClockDesktop final : public ClockDesktop {
public:
    QSize ScreenSize() const override { return screen; }
    QPoint CursorPos() const override { return cursor; }
    bool CtrlDown() const override { return ctrl; }
    bool Compositing() const override { return compositing; }
    std::optional<bool> LeftButtonDown() const override { return leftButton; }
    void WatchScreens(std::function<void()> changed) override {
        screensChanged = std::move(changed);
    }

    // Switches the screen and tells the watcher, as a resolution change does.
    void ChangeScreen(QSize size) {
        screen = size;
        if (screensChanged) {
            screensChanged();
        }
    }

    QSize screen{1920, 1080};
    QPoint cursor;
    bool ctrl = false;
    bool compositing = false;
    std::optional<bool> leftButton;
    std::function<void()> screensChanged;
};

}  // namespace velmora::test
