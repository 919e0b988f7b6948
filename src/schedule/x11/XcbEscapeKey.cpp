#include "schedule/x11/XcbEscapeKey.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

#include "schedule/SystemEscapeKey.h"

namespace velmora {
namespace {

constexpr xcb_keysym_t kEscapeKeysym = 0xff1b;

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

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

// Every key code whose symbols include Escape, in any group or level.
void XcbEscapeKey::FindEscapeCodes() {
    const xcb_setup_t* setup = xcb_get_setup(connection_);
    const int first = setup->min_keycode;
    const int count = setup->max_keycode - setup->min_keycode + 1;
    const ReplyPtr<xcb_get_keyboard_mapping_reply_t> mapping(xcb_get_keyboard_mapping_reply(
        connection_,
        xcb_get_keyboard_mapping(connection_, setup->min_keycode, static_cast<std::uint8_t>(count)),
        nullptr));
    if (!mapping || mapping->keysyms_per_keycode == 0) {
        return;
    }
    const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(mapping.get());
    const int perCode = mapping->keysyms_per_keycode;
    const int total = xcb_get_keyboard_mapping_keysyms_length(mapping.get());
    for (int i = 0; i < total; ++i) {
        if (symbols[i] == kEscapeKeysym) {
            escapeCodes_.push_back(static_cast<std::uint8_t>(first + i / perCode));
        }
    }
}

bool XcbEscapeKey::EscapeDown() {
    if (connection_ == nullptr || escapeCodes_.empty()) {
        return false;
    }
    const ReplyPtr<xcb_query_keymap_reply_t> keymap(
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
