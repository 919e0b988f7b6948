#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <cstdlib>
#include <memory>
#include <string>

#include "clock/WindowSystemProbe.h"

namespace velmora {

namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> Wrap(T* reply) {
    return Reply<T>(reply, &std::free);
}

// Qt's own connection, when the program runs on X11 at all.
xcb_connection_t* Connection() {
    if (qGuiApp == nullptr) {
        return nullptr;
    }
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

// The X screen number of the display the program was started on.
int ScreenNumber() {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr) {
        return 0;
    }
    const std::string name(display);
    const auto colon = name.rfind(':');
    const auto dot = name.find('.', colon == std::string::npos ? 0 : colon);
    return dot == std::string::npos ? 0 : std::atoi(name.c_str() + dot + 1);
}

xcb_window_t RootWindow(xcb_connection_t* c) {
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = ScreenNumber(); i > 0 && it.rem > 1; --i) {
        xcb_screen_next(&it);
    }
    return it.rem > 0 ? it.data->root : XCB_NONE;
}

}  // namespace

bool ProbeCompositing() {
    xcb_connection_t* c = Connection();
    if (c == nullptr) {
        return false;
    }
    // A compositing manager owns this selection for the screen it composites.
    const std::string name = "_NET_WM_CM_S" + std::to_string(ScreenNumber());
    const auto atom = Wrap(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 1, static_cast<uint16_t>(name.size()), name.c_str()), nullptr));
    if (!atom || atom->atom == XCB_NONE) {
        return false;
    }
    const auto owner =
        Wrap(xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atom->atom), nullptr));
    return owner && owner->owner != XCB_NONE;
}

std::optional<bool> ProbeLeftButtonDown() {
    xcb_connection_t* c = Connection();
    const xcb_window_t root = c != nullptr ? RootWindow(c) : XCB_NONE;
    if (root == XCB_NONE) {
        return std::nullopt;
    }
    const auto pointer = Wrap(xcb_query_pointer_reply(c, xcb_query_pointer(c, root), nullptr));
    if (!pointer) {
        return std::nullopt;
    }
    return (pointer->mask & XCB_BUTTON_MASK_1) != 0;
}

bool ProbeXDisplay(const char* display) {
    xcb_connection_t* connection = xcb_connect(display, nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

}  // namespace velmora
