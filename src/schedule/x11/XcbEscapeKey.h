#pragma once

#include <cstdint>
#include <vector>

#include "schedule/EscapeKey.h"

struct xcb_connection_t;

namespace velmora {

// Reads the X server's key map: Esc is down when any key code that carries
// the Escape symbol is pressed, in whatever window. Without a display
// (or on a session that refuses the connection) Esc is never seen down.
class XcbEscapeKey final : public EscapeKey {
public:
    // `display` as for X clients; null means $DISPLAY.
    explicit XcbEscapeKey(const char* display = nullptr);
    ~XcbEscapeKey() override;
    XcbEscapeKey(const XcbEscapeKey&) = delete;
    XcbEscapeKey& operator=(const XcbEscapeKey&) = delete;

    bool EscapeDown() override;
    bool Connected() const { return connection_ != nullptr; }

private:
    void FindEscapeCodes();

    xcb_connection_t* connection_ = nullptr;
    std::vector<std::uint8_t> escapeCodes_;
};

}  // namespace velmora
