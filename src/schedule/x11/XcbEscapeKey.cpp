#include "schedule/x11/XcbEscapeKey.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

#include "schedule/SystemEscapeKey.h"
#include "schedule/x11/XcbKeyCodes.h"

namespace velmora {
namespace {

constexpr xcb_keysym_t kEscapeKeysym = 0xff1b;

}  // namespace

std::unique_ptr<EscapeKey> MakeSystemEscapeKey() {
    return std::make_unique<XcbEscapeKey>();
}

XcbEscapeKey::XcbEscapeKey(const char* display) {
    xcb_connection_t* connection = xcb_connect(display, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        xcb_disconnect(connection);
        return;
    }
    connection_ = connection;
    FindEscapeCodes();
}

XcbEscapeKey::~XcbEscapeKey() {
    if (connection_ != nullptr) {
        xcb_disconnect(connection_);
    }
}

void XcbEscapeKey::FindEscapeCodes() {
    escapeCodes_ = XcbKeyCodesOf(connection_, kEscapeKeysym);
}

bool XcbEscapeKey::EscapeDown() {
    if (connection_ == nullptr || escapeCodes_.empty()) {
        return false;
    }
    const XcbReply<xcb_query_keymap_reply_t> keymap(
        xcb_query_keymap_reply(connection_, xcb_query_keymap(connection_), nullptr));
    if (!keymap) {
        return false;
    }
    for (const std::uint8_t code : escapeCodes_) {
        if ((keymap->keys[code / 8] & (1U << (code % 8))) != 0) {
            return true;
        }
    }
    return false;
}

}  // namespace velmora
