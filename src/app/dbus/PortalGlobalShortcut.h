#pragma once

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QVariantMap>

#include "app/GlobalShortcut.h"

class QDBusArgument;

namespace velmora {

// One entry of the portal's shortcut lists, (sa{sv}): an id and its
// properties (description, preferred_trigger, trigger_description).
struct PortalShortcut {
    QString Id;
    QVariantMap Properties;
};
QDBusArgument& operator<<(QDBusArgument& arg, const PortalShortcut& shortcut);
const QDBusArgument& operator>>(const QDBusArgument& arg, PortalShortcut& shortcut);

// A global key through the desktop portal's GlobalShortcuts interface, for
// Wayland sessions, where no program may grab keys itself. The desktop
// owns the key: the program proposes one and the desktop (often after
// asking the user) binds that or another, and tells the program when it
// is pressed. Every step is asynchronous; the state says how far it got.
class PortalGlobalShortcut final : public GlobalShortcut {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PortalGlobalShortcut)

public:
    explicit PortalGlobalShortcut(QDBusConnection bus, QObject* parent = nullptr);
    ~PortalGlobalShortcut() override;

    void Bind(QKeyCombination keys) override;
    State Current() const override { return state_; }
    QString DesktopTrigger() const override { return trigger_; }

private slots:
    void SessionCreated(uint response, const QVariantMap& results);
    void ShortcutsBound(uint response, const QVariantMap& results);
    void Activated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp,
                   const QVariantMap& options);

private:
    void CheckInterface();
    void CreateSession();
    void BindShortcuts();
    void ForgetRequest();
    void CloseSession();
    // Makes the call with a fresh request token and waits for the request's
    // Response on `slot`.
    void Request(const QString& method, QVariantList arguments, QVariantMap options,
                 const char* slot);
    void SetState(State state);

    QDBusConnection bus_;
    // Whether the portal has the interface: unknown until its answer.
    enum class Support { Unknown, Yes, No } support_ = Support::Unknown;
    QKeyCombination keys_{Qt::Key_unknown};
    QString session_;
    QString pendingRequest_;
    const char* pendingSlot_ = nullptr;
    QString trigger_;
    int requests_ = 0;
    State state_ = State::Waiting;
};

}  // namespace velmora

Q_DECLARE_METATYPE(velmora::PortalShortcut)
