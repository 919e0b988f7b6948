#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <chrono>
#include <thread>

#include "support/TempDir.h"

namespace velmora::test {

// A D-Bus daemon of the test's own, on a socket in a temporary folder, so
// fakes of desktop and system services can answer without touching the
// machine's buses. For Qt test programs only.
class PrivateBus {
public:
    PrivateBus() {
        daemon_.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--session"), QStringLiteral("--nofork"),
                       QStringLiteral("--print-address=1"),
                       QStringLiteral("--address=unix:path=") +
                           QString::fromStdString(dir_.Path()) + QStringLiteral("bus")});
        if (daemon_.waitForStarted(5000) && daemon_.waitForReadyRead(5000)) {
            address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
        }
    }
    ~PrivateBus() {
        daemon_.kill();
        daemon_.waitForFinished(5000);
    }
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    QDBusConnection Connect(const QString& name) const {
        return QDBusConnection::connectToBus(address_, name);
    }
    bool Up() const { return !address_.isEmpty(); }

private:
    TempDir dir_;
    QProcess daemon_;
    QString address_;
};

// Polls `condition` for up to two seconds: the fakes answer from a thread
// of their own.
template <typename Condition>
bool WaitFor(Condition condition) {
    for (int i = 0; i < 200; ++i) {
        if (condition()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return condition();
}

}  // namespace velmora::test
