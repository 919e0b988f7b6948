#include "app/x11/XcbGlobalShortcut.h"

#include <xcb/xcb.h>

#include <QSocketNotifier>
#include <algorithm>
#include <array>
#include <cstdlib>

#include "app/ShortcutKeys.h"
#include "schedule/x11/XcbKeyCodes.h"

namespace velmora {
namespace {

constexpr std::uint16_t kLockMask = XCB_MOD_MASK_LOCK;
constexpr std::uint16_t kNumLockMask = XCB_MOD_MASK_2;  // Num Lock on every common layout
constexpr std::array<std::uint16_t, 4> kLockStates{0, kLockMask, kNumLockMask,
                                                   kLockMask | kNumLockMask};
constexpr std::uint8_t kBadAccess = 10;

}  // namespace

std::unique_ptr<GlobalShortcut> MakeX11GlobalShortcut() {
    return std::make_unique<XcbGlobalShortcut>();
}

XcbGlobalShortcut::XcbGlobalShortcut(const char* display, QObject* parent)
    : GlobalShortcut(parent) {
    xcb_connection_t* connection = xcb_connect(display, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        xcb_disconnect(connection);
        state_ = State::Unsupported;
        return;
    }
    connection_ = connection;
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    events_ =
        new QSocketNotifier(xcb_get_file_descriptor(connection_), QSocketNotifier::Read, this);
    connect(events_, &QSocketNotifier::activated, this, &XcbGlobalShortcut::ReadEvents);
}

XcbGlobalShortcut::~XcbGlobalShortcut() {
    delete events_;
    if (connection_ != nullptr) {
        xcb_disconnect(connection_);
    }
}

void XcbGlobalShortcut::Bind(QKeyCombination keys) {
    if (connection_ == nullptr) {
        return;
    }
    Ungrab();
    keys_ = keys;
    Grab();
}

void XcbGlobalShortcut::Grab() {
    if (keys_.key() == Qt::Key_unknown) {
        return SetState(State::Off);
    }
    const std::uint32_t keysym = X11Keysym(keys_.key());
    codes_ = keysym == 0 ? std::vector<std::uint8_t>{} : XcbKeyCodesOf(connection_, keysym);
    if (codes_.empty()) {
        return SetState(State::Unusable);
    }
    modifiers_ = X11Modifiers(keys_.keyboardModifiers());
    std::vector<xcb_void_cookie_t> cookies;
    for (const std::uint8_t code : codes_) {
        for (const std::uint16_t locks : kLockStates) {
            cookies.push_back(xcb_grab_key_checked(connection_, 0, root_, modifiers_ | locks, code,
                                                   XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        }
    }
    // All at once, then their answers: one round trip, not one per grab.
    bool taken = false;
    for (const xcb_void_cookie_t cookie : cookies) {
        if (xcb_generic_error_t* error = xcb_request_check(connection_, cookie)) {
            taken = taken || error->error_code == kBadAccess;
            std::free(error);
        }
    }
    if (taken) {
        // Half a grab would speak with Num Lock on and not with it off.
        Ungrab();
        return SetState(State::Taken);
    }
    SetState(State::Bound);
}

void XcbGlobalShortcut::Ungrab() {
    for (const std::uint8_t code : codes_) {
        for (const std::uint16_t locks : kLockStates) {
            xcb_ungrab_key(connection_, code, root_, modifiers_ | locks);
        }
    }
    xcb_flush(connection_);
    codes_.clear();
}

void XcbGlobalShortcut::ReadEvents() {
    bool pressed = false;
    bool remapped = false;
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
        const std::uint8_t type = event->response_type & 0x7f;
        if (type == XCB_KEY_PRESS) {
            const auto* press = reinterpret_cast<const xcb_key_press_event_t*>(event);
            const auto state =
                static_cast<std::uint16_t>(press->state & ~(kLockMask | kNumLockMask));
            pressed =
                pressed || ((state & 0xff) == modifiers_ &&
                            std::find(codes_.begin(), codes_.end(), press->detail) != codes_.end());
        } else if (type == XCB_MAPPING_NOTIFY) {
            remapped = true;
        }
        std::free(event);
    }
    if (xcb_connection_has_error(connection_) != 0) {
        // The X server went away; the program goes with it soon.
        events_->setEnabled(false);
        return SetState(State::Unsupported);
    }
    if (remapped && state_ == State::Bound) {
        // Another layout: the symbol may now sit on another key.
        Ungrab();
        Grab();
    }
    if (pressed) {
        emit activated();
    }
}

void XcbGlobalShortcut::SetState(State state) {
    if (state_ != state) {
        state_ = state;
        emit stateChanged();
    }
}

}  // namespace velmora
