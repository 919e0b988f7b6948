#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "app/GlobalShortcut.h"

class QSocketNotifier;
struct xcb_connection_t;

namespace velmora {

// A global key on X11: a passive grab of the combination on the root
// window, on a connection of its own so that Qt's event handling never
// sees the presses. The grab is made once for each state of Caps Lock and
// Num Lock, which the X server counts as modifiers too.
class XcbGlobalShortcut final : public GlobalShortcut {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(XcbGlobalShortcut)

public:
    // `display` as for xcb_connect; null for $DISPLAY.
    explicit XcbGlobalShortcut(const char* display = nullptr, QObject* parent = nullptr);
    ~XcbGlobalShortcut() override;

    void Bind(QKeyCombination keys) override;
    State Current() const override { return state_; }

private:
    void Grab();
    void Ungrab();
    void ReadEvents();
    void SetState(State state);

    xcb_connection_t* connection_ = nullptr;
    std::uint32_t root_ = 0;
    QSocketNotifier* events_ = nullptr;
    QKeyCombination keys_{Qt::Key_unknown};
    std::uint16_t modifiers_ = 0;
    std::vector<std::uint8_t> codes_;
    State state_ = State::Off;
};

// The X11 shortcut on $DISPLAY, or null where the build has no xcb.
std::unique_ptr<GlobalShortcut> MakeX11GlobalShortcut();

}  // namespace velmora
