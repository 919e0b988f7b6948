#pragma once

#include <QKeyCombination>
#include <QObject>
#include <QString>

namespace velmora {

// One key combination that reaches the program whichever window has the
// keyboard: a key grab on X11, the desktop portal's global shortcuts where
// the session is Wayland's.
class GlobalShortcut : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GlobalShortcut)

public:
    enum class State {
        Off,          // no key asked for
        Waiting,      // asked for; the desktop has not answered yet
        Bound,        // pressing it anywhere reaches the program
        Taken,        // another program holds that combination
        Unusable,     // the key has no counterpart on this desktop
        Refused,      // the desktop, or the user asked by it, said no
        Unsupported,  // this session gives programs no global keys at all
    };

    using QObject::QObject;
    ~GlobalShortcut() override = default;

    // Asks for `keys` in place of any earlier combination; Qt::Key_unknown
    // lets go of it.
    virtual void Bind(QKeyCombination keys) = 0;
    virtual State Current() const = 0;
    // The key as the desktop names it where the desktop chose it itself
    // (the portal lets the user pick another); empty otherwise.
    virtual QString DesktopTrigger() const { return {}; }

signals:
    void activated();
    void stateChanged();
};

}  // namespace velmora
