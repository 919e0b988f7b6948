#include "app/dbus/PortalGlobalShortcut.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

#include "app/ShortcutKeys.h"

namespace velmora {
namespace {

const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kShortcuts = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
const QString kShortcutId = QStringLiteral("now-time");

}  // namespace

QDBusArgument& operator<<(QDBusArgument& arg, const PortalShortcut& shortcut) {
    arg.beginStructure();
    arg << shortcut.Id << shortcut.Properties;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, PortalShortcut& shortcut) {
    arg.beginStructure();
    arg >> shortcut.Id >> shortcut.Properties;
    arg.endStructure();
    return arg;
}

PortalGlobalShortcut::PortalGlobalShortcut(QDBusConnection bus, QObject* parent)
    : GlobalShortcut(parent), bus_(std::move(bus)) {
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
    // QtDBus finds a slot's parameter types by name, which works only for
    // types registered by then.
    qRegisterMetaType<QDBusObjectPath>();
    if (!bus_.isConnected()) {
        support_ = Support::No;
        state_ = State::Unsupported;
        return;
    }
    bus_.connect(kPortal, kPortalPath, kShortcuts, QStringLiteral("Activated"), this,
                 SLOT(Activated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
    CheckInterface();
}

PortalGlobalShortcut::~PortalGlobalShortcut() {
    CloseSession();
}

// The portal runs on every desktop, but only some have a backend for
// global shortcuts; those show the interface's version.
void PortalGlobalShortcut::CheckInterface() {
    // Newer portals learn who a program outside a sandbox is from this
    // call, which has to come first (by the menu entry's name); older ones
    // answer with an error, which changes nothing.
    QDBusMessage registry = QDBusMessage::createMethodCall(
        kPortal, kPortalPath, QStringLiteral("org.freedesktop.host.portal.Registry"),
        QStringLiteral("Register"));
    registry.setArguments({QStringLiteral("velmora"), QVariantMap()});
    bus_.send(registry);
    QDBusMessage get = QDBusMessage::createMethodCall(
        kPortal, kPortalPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    get.setArguments({kShortcuts, QStringLiteral("version")});
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(get), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        watcher->deleteLater();
        if (watcher->isError()) {
            support_ = Support::No;
            return SetState(State::Unsupported);
        }
        support_ = Support::Yes;
        if (keys_.key() == Qt::Key_unknown) {
            return SetState(State::Off);
        }
        CreateSession();
    });
}

void PortalGlobalShortcut::Bind(QKeyCombination keys) {
    if (support_ == Support::No) {
        return;
    }
    keys_ = keys;
    trigger_.clear();
    ForgetRequest();
    CloseSession();
    if (support_ == Support::Unknown) {
        return SetState(State::Waiting);  // bound when the portal answers
    }
    if (keys.key() == Qt::Key_unknown) {
        return SetState(State::Off);
    }
    CreateSession();
}

void PortalGlobalShortcut::CreateSession() {
    SetState(State::Waiting);
    Request(QStringLiteral("CreateSession"), {},
            {{QStringLiteral("session_handle_token"), QStringLiteral("velmora")}},
            SLOT(SessionCreated(uint, QVariantMap)));
}

void PortalGlobalShortcut::SessionCreated(uint response, const QVariantMap& results) {
    const QVariant handle = results.value(QStringLiteral("session_handle"));
    // A string in the interface's first version, an object path in some
    // backends.
    session_ = handle.canConvert<QDBusObjectPath>() ? handle.value<QDBusObjectPath>().path()
                                                    : handle.toString();
    if (response != 0 || session_.isEmpty()) {
        return SetState(State::Refused);
    }
    BindShortcuts();
}

void PortalGlobalShortcut::BindShortcuts() {
    QVariantMap properties{{QStringLiteral("description"), QStringLiteral("現在時刻を読み上げる")}};
    const QString trigger = PortalTrigger(keys_);
    if (!trigger.isEmpty()) {
        properties.insert(QStringLiteral("preferred_trigger"), trigger);
    }
    const QList<PortalShortcut> shortcuts{{kShortcutId, properties}};
    Request(
        QStringLiteral("BindShortcuts"),
        {QVariant::fromValue(QDBusObjectPath(session_)), QVariant::fromValue(shortcuts), QString()},
        {}, SLOT(ShortcutsBound(uint, QVariantMap)));
}

void PortalGlobalShortcut::ShortcutsBound(uint response, const QVariantMap& results) {
    if (response != 0) {
        return SetState(State::Refused);
    }
    const auto bound =
        qdbus_cast<QList<PortalShortcut>>(results.value(QStringLiteral("shortcuts")));
    for (const PortalShortcut& shortcut : bound) {
        if (shortcut.Id == kShortcutId) {
            trigger_ = shortcut.Properties.value(QStringLiteral("trigger_description")).toString();
        }
    }
    if (state_ == State::Bound) {
        emit stateChanged();  // the same state, another key
    }
    SetState(State::Bound);
}

void PortalGlobalShortcut::Activated(const QDBusObjectPath& session, const QString& id,
                                     qulonglong /*timestamp*/, const QVariantMap& /*options*/) {
    if (session.path() == session_ && id == kShortcutId && state_ == State::Bound) {
        emit activated();
    }
}

void PortalGlobalShortcut::Request(const QString& method, QVariantList arguments,
                                   QVariantMap options, const char* slot) {
    ForgetRequest();
    const QString token = QStringLiteral("velmora%1").arg(++requests_);
    options.insert(QStringLiteral("handle_token"), token);
    // The request's path is known before the call, so its answer cannot
    // come before the program listens for it.
    QString sender = bus_.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    pendingRequest_ = kPortalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
    pendingSlot_ = slot;
    bus_.connect(kPortal, pendingRequest_, kRequest, QStringLiteral("Response"), this, slot);

    QDBusMessage call = QDBusMessage::createMethodCall(kPortal, kPortalPath, kShortcuts, method);
    arguments << options;
    call.setArguments(arguments);
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        watcher->deleteLater();
        if (watcher->isError()) {
            SetState(State::Refused);
        }
    });
}

// An answer to an earlier question no longer counts.
void PortalGlobalShortcut::ForgetRequest() {
    if (!pendingRequest_.isEmpty()) {
        bus_.disconnect(kPortal, pendingRequest_, kRequest, QStringLiteral("Response"), this,
                        pendingSlot_);
        pendingRequest_.clear();
    }
}

void PortalGlobalShortcut::CloseSession() {
    if (session_.isEmpty()) {
        return;
    }
    bus_.send(QDBusMessage::createMethodCall(kPortal, session_,
                                             QStringLiteral("org.freedesktop.portal.Session"),
                                             QStringLiteral("Close")));
    session_.clear();
}

void PortalGlobalShortcut::SetState(State state) {
    if (state_ != state) {
        state_ = state;
        emit stateChanged();
    }
}

}  // namespace velmora
