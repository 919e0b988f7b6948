#pragma once

#include <QDBusConnection>
#include <QObject>
#include <functional>

class QDBusMessage;

namespace velmora {

// What the system says about time on the given bus (the system bus in the
// program): logind's PrepareForSleep(false) when the computer has woken up,
// and timedated's change of the time zone, after which the C library reads
// the zone again, so the wall clock the tick reads is the new zone's.
class SystemTimeWatch final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SystemTimeWatch)

public:
    SystemTimeWatch(QDBusConnection bus, std::function<void()> resumed, QObject* parent = nullptr);

private Q_SLOTS:
    void PrepareForSleep(bool sleeping);
    void TimedatePropertiesChanged(const QDBusMessage& message);

private:
    QDBusConnection bus_;
    std::function<void()> resumed_;
};

}  // namespace velmora
