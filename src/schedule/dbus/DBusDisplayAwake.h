#pragma once

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <optional>

#include "schedule/DisplayAwake.h"

namespace velmora {

// The desktop's own ways to wake the screen and keep the machine awake:
// the screen saver's user activity and inhibition on the session bus, and a
// logind sleep lock on the system bus, held as a file descriptor until it is
// released. A bus or service that is not there makes the call do nothing.
class DBusDisplayAwake final : public DisplayAwake {
public:
    // On the user's session bus and the system bus.
    DBusDisplayAwake();
    DBusDisplayAwake(QDBusConnection session, QDBusConnection system);
    ~DBusDisplayAwake() override;
    DBusDisplayAwake(const DBusDisplayAwake&) = delete;
    DBusDisplayAwake& operator=(const DBusDisplayAwake&) = delete;

    void WakeDisplay() override;
    void Inhibit() override;
    void Release() override;

    bool HoldsSleepLock() const { return sleepLock_.isValid(); }
    bool HoldsScreenSaverCookie() const { return screenCookie_.has_value(); }

private:
    void InhibitScreenSaver();
    void InhibitSleep();

    QDBusConnection session_;
    QDBusConnection system_;
    bool inhibited_ = false;
    std::optional<uint> screenCookie_;
    QDBusUnixFileDescriptor sleepLock_;
};

}  // namespace velmora
