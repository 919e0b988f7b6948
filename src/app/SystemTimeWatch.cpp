#include "app/SystemTimeWatch.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <QDBusArgument>
#include <QDBusMessage>
#include <QSocketNotifier>
#include <QVariantMap>
#include <cstdint>
#include <ctime>
#include <utility>

namespace velmora {

SystemTimeWatch::SystemTimeWatch(QDBusConnection bus, std::function<void()> resumed,
                                 QObject* parent)
    : QObject(parent), bus_(std::move(bus)), resumed_(std::move(resumed)) {
    clockSetFd_ = ::timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (clockSetFd_ >= 0) {
        clockSet_ = new QSocketNotifier(clockSetFd_, QSocketNotifier::Read, this);
        connect(clockSet_, &QSocketNotifier::activated, this, [this] {
            // Read to clear it (ECANCELED after a set), then watch for the
            // next set.
            std::uint64_t expirations = 0;
            [[maybe_unused]] const ssize_t read =
                ::read(clockSetFd_, &expirations, sizeof expirations);
            ArmClockSetWatch();
        });
        ArmClockSetWatch();
    }
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

SystemTimeWatch::~SystemTimeWatch() {
    delete clockSet_;
    if (clockSetFd_ >= 0) {
        ::close(clockSetFd_);
    }
}

void SystemTimeWatch::ArmClockSetWatch() {
    // A year ahead, absolute: it never expires in practice, and any set of
    // the wall clock cancels it.
    itimerspec spec{};
    spec.it_value.tv_sec = ::time(nullptr) + 365L * 24 * 60 * 60;
    ::timerfd_settime(clockSetFd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &spec, nullptr);
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
