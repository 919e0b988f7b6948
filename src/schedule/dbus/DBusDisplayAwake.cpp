#include "schedule/dbus/DBusDisplayAwake.h"

#include <QDBusMessage>
#include <QDBusReply>
#include <utility>

namespace velmora {
namespace {

// A reply that does not come within this time is taken as no service: the
// tick must not hang on a bus.
constexpr int kReplyTimeoutMs = 2000;

const QString kScreenSaverService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kScreenSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString kLoginService = QStringLiteral("org.freedesktop.login1");
const QString kLoginPath = QStringLiteral("/org/freedesktop/login1");
const QString kLoginManager = QStringLiteral("org.freedesktop.login1.Manager");

QString ApplicationName() {
    return QString::fromUtf8("ベルモラ");
}

QString Reason() {
    return QString::fromUtf8("目覚ましが鳴っています");
}

QDBusMessage ScreenSaverCall(const QString& method) {
    return QDBusMessage::createMethodCall(kScreenSaverService, kScreenSaverPath,
                                          kScreenSaverService, method);
}

}  // namespace

DBusDisplayAwake::DBusDisplayAwake()
    : DBusDisplayAwake(QDBusConnection::sessionBus(), QDBusConnection::systemBus()) {}

DBusDisplayAwake::DBusDisplayAwake(QDBusConnection session, QDBusConnection system)
    : session_(std::move(session)), system_(std::move(system)) {}

DBusDisplayAwake::~DBusDisplayAwake() {
    Release();
}

void DBusDisplayAwake::WakeDisplay() {
    if (session_.isConnected()) {
        // Nothing to wait for: the screen comes on or it does not.
        session_.send(ScreenSaverCall(QStringLiteral("SimulateUserActivity")));
    }
}

void DBusDisplayAwake::Inhibit() {
    if (inhibited_) {
        return;
    }
    inhibited_ = true;
    InhibitScreenSaver();
    InhibitSleep();
}

void DBusDisplayAwake::InhibitScreenSaver() {
    if (!session_.isConnected()) {
        return;
    }
    QDBusMessage call = ScreenSaverCall(QStringLiteral("Inhibit"));
    call << ApplicationName() << Reason();
    const QDBusReply<uint> reply = session_.call(call, QDBus::Block, kReplyTimeoutMs);
    if (reply.isValid()) {
        screenCookie_ = reply.value();
    }
}

void DBusDisplayAwake::InhibitSleep() {
    if (!system_.isConnected()) {
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kLoginService, kLoginPath, kLoginManager,
                                                       QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep") << ApplicationName() << Reason() << QStringLiteral("block");
    const QDBusReply<QDBusUnixFileDescriptor> reply =
        system_.call(call, QDBus::Block, kReplyTimeoutMs);
    if (reply.isValid() && reply.value().isValid()) {
        sleepLock_ = reply.value();
    }
}

void DBusDisplayAwake::Release() {
    if (!inhibited_) {
        return;
    }
    inhibited_ = false;
    if (screenCookie_ && session_.isConnected()) {
        QDBusMessage call = ScreenSaverCall(QStringLiteral("UnInhibit"));
        call << *screenCookie_;
        session_.send(call);
    }
    screenCookie_.reset();
    // logind lets go of the lock when its descriptor is closed.
    sleepLock_ = QDBusUnixFileDescriptor();
}

}  // namespace velmora
