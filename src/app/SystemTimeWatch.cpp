#include "app/SystemTimeWatch.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QVariantMap>
#include <ctime>
#include <utility>

namespace velmora {

SystemTimeWatch::SystemTimeWatch(QDBusConnection bus, std::function<void()> resumed,
                                 QObject* parent)
    : QObject(parent), bus_(std::move(bus)), resumed_(std::move(resumed)) {
    // Without the buses (a bare session) the tick still notices a sleep or a
    // new zone by the jump of the wall clock; these only make it sure.
    if (!bus_.isConnected()) {
        return;
    }
    bus_.connect(QStringLiteral("org.freedesktop.login1"),
                 QStringLiteral("/org/freedesktop/login1"),
                 QStringLiteral("org.freedesktop.login1.Manager"),
                 QStringLiteral("PrepareForSleep"), this, SLOT(PrepareForSleep(bool)));
    bus_.connect(
        QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("/org/freedesktop/timedate1"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"),
        this, SLOT(TimedatePropertiesChanged(QDBusMessage)));
}

void SystemTimeWatch::PrepareForSleep(bool sleeping) {
    if (!sleeping && resumed_) {
        resumed_();
    }
}

void SystemTimeWatch::TimedatePropertiesChanged(const QDBusMessage& message) {
    const QList<QVariant> args = message.arguments();
    const QString key = QStringLiteral("Timezone");
    const bool zone = args.size() >= 3 && (qdbus_cast<QVariantMap>(args.at(1)).contains(key) ||
                                           qdbus_cast<QStringList>(args.at(2)).contains(key));
    if (zone) {
        // The C library keeps the zone it read first; this makes it look at
        // /etc/localtime (or TZ) again.
        ::tzset();
    }
}

}  // namespace velmora
