#pragma once

#include <QDBusConnection>
#include <QObject>
#include <functional>

class QDBusMessage;
class QSocketNotifier;

namespace velmora {

// What the system says about time on the given bus (the system bus in the
// program): logind's PrepareForSleep(false) when the computer has woken up,
// and timedated's change of the time zone, after which the C library reads
// the zone again, so the wall clock the tick reads is the new zone's; and
// the kernel's word that the wall clock was set (a timerfd cancelled on a
// set of CLOCK_REALTIME). Each of them wakes the event loop, and with it an
// idle tick, which then sees the change.
class SystemTimeWatch final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SystemTimeWatch)

public:
    SystemTimeWatch(QDBusConnection bus, std::function<void()> resumed, QObject* parent = nullptr);
    ~SystemTimeWatch() override;

private Q_SLOTS:
    void PrepareForSleep(bool sleeping);
    void TimedatePropertiesChanged(const QDBusMessage& message);

private:
    // Arms the timerfd for a moment far ahead, to be cancelled by a set.
    void ArmClockSetWatch();

    int clockSetFd_ = -1;
    QSocketNotifier* clockSet_ = nullptr;
    QDBusConnection bus_;
    std::function<void()> resumed_;
};

}  // namespace velmora
