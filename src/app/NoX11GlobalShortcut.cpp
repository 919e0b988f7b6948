#include "app/x11/XcbGlobalShortcut.h"

namespace velmora {

// Built without xcb: no key grab, so the session's portal is asked instead.
std::unique_ptr<GlobalShortcut> MakeX11GlobalShortcut() {
    return nullptr;
}

}  // namespace velmora
