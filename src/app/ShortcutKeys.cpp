#include "app/ShortcutKeys.h"

#include <array>

namespace velmora {
namespace {

struct NamedKey {
    Qt::Key Key;
    std::uint32_t Keysym;
    const char* Name;  // the keysym's name in the portal's notation
};

constexpr std::array kNamedKeys{
    NamedKey{Qt::Key_Space, 0x20, "space"},
    NamedKey{Qt::Key_Insert, 0xff63, "Insert"},
    NamedKey{Qt::Key_Delete, 0xffff, "Delete"},
    NamedKey{Qt::Key_Home, 0xff50, "Home"},
    NamedKey{Qt::Key_End, 0xff57, "End"},
    NamedKey{Qt::Key_PageUp, 0xff55, "Prior"},
    NamedKey{Qt::Key_PageDown, 0xff56, "Next"},
    NamedKey{Qt::Key_Left, 0xff51, "Left"},
    NamedKey{Qt::Key_Up, 0xff52, "Up"},
    NamedKey{Qt::Key_Right, 0xff53, "Right"},
    NamedKey{Qt::Key_Down, 0xff54, "Down"},
    NamedKey{Qt::Key_Pause, 0xff13, "Pause"},
    NamedKey{Qt::Key_Print, 0xff61, "Print"},
    NamedKey{Qt::Key_ScrollLock, 0xff14, "Scroll_Lock"},
    NamedKey{Qt::Key_Minus, '-', "minus"},
    NamedKey{Qt::Key_Equal, '=', "equal"},
    NamedKey{Qt::Key_Comma, ',', "comma"},
    NamedKey{Qt::Key_Period, '.', "period"},
    NamedKey{Qt::Key_Slash, '/', "slash"},
    NamedKey{Qt::Key_Semicolon, ';', "semicolon"},
    NamedKey{Qt::Key_Apostrophe, '\'', "apostrophe"},
    NamedKey{Qt::Key_BracketLeft, '[', "bracketleft"},
    NamedKey{Qt::Key_BracketRight, ']', "bracketright"},
    NamedKey{Qt::Key_Backslash, '\\', "backslash"},
    NamedKey{Qt::Key_QuoteLeft, '`', "grave"},
};

constexpr std::uint32_t kFirstFunctionKeysym = 0xffbe;  // F1

bool IsFunctionKey(Qt::Key key) {
    return key >= Qt::Key_F1 && key <= Qt::Key_F35;
}

}  // namespace

std::uint32_t X11Keysym(Qt::Key key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        // The unshifted symbol: the one the key's first level carries.
        return 'a' + static_cast<std::uint32_t>(key - Qt::Key_A);
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return '0' + static_cast<std::uint32_t>(key - Qt::Key_0);
    }
    if (IsFunctionKey(key)) {
        return kFirstFunctionKeysym + static_cast<std::uint32_t>(key - Qt::Key_F1);
    }
    for (const NamedKey& named : kNamedKeys) {
        if (named.Key == key) {
            return named.Keysym;
        }
    }
    return 0;
}

std::uint16_t X11Modifiers(Qt::KeyboardModifiers modifiers) {
    std::uint16_t mask = 0;
    if (modifiers.testFlag(Qt::ShiftModifier)) {
        mask |= 1U << 0;  // Shift
    }
    if (modifiers.testFlag(Qt::ControlModifier)) {
        mask |= 1U << 2;  // Control
    }
    if (modifiers.testFlag(Qt::AltModifier)) {
        mask |= 1U << 3;  // Mod1, where every common layout puts Alt
    }
    if (modifiers.testFlag(Qt::MetaModifier)) {
        mask |= 1U << 6;  // Mod4, the Super ("Windows") key
    }
    return mask;
}

QString PortalTrigger(QKeyCombination keys) {
    const Qt::Key key = keys.key();
    QString name;
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
        name = QChar(static_cast<char16_t>(X11Keysym(key)));
    } else if (IsFunctionKey(key)) {
        name = QStringLiteral("F%1").arg(key - Qt::Key_F1 + 1);
    } else {
        for (const NamedKey& named : kNamedKeys) {
            if (named.Key == key) {
                name = QString::fromLatin1(named.Name);
            }
        }
    }
    if (name.isEmpty()) {
        return {};
    }
    const Qt::KeyboardModifiers modifiers = keys.keyboardModifiers();
    QString trigger;
    if (modifiers.testFlag(Qt::ControlModifier)) {
        trigger += QStringLiteral("CTRL+");
    }
    if (modifiers.testFlag(Qt::AltModifier)) {
        trigger += QStringLiteral("ALT+");
    }
    if (modifiers.testFlag(Qt::ShiftModifier)) {
        trigger += QStringLiteral("SHIFT+");
    }
    if (modifiers.testFlag(Qt::MetaModifier)) {
        trigger += QStringLiteral("LOGO+");
    }
    return trigger + name;
}

}  // namespace velmora
