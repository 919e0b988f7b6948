#pragma once

#include <QKeyCombination>
#include <QString>
#include <cstdint>

namespace velmora {

// The X keysym of a Qt key, for the keys a global shortcut may use
// (letters, digits, function keys, the editing and arrow keys and the
// unshifted punctuation); 0 for any other.
std::uint32_t X11Keysym(Qt::Key key);

// Ctrl, Shift, Alt and Meta as the X core protocol's modifier mask.
std::uint16_t X11Modifiers(Qt::KeyboardModifiers modifiers);

// The combination in the shortcut notation the desktop portal takes as a
// preferred trigger ("CTRL+ALT+SHIFT+t"); empty for a key without a keysym.
QString PortalTrigger(QKeyCombination keys);

}  // namespace velmora
