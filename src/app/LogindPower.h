#pragma once

#include <QDBusConnection>

#include "dialog/SystemPower.h"

namespace velmora {

// Sleep and hibernation through systemd-logind's manager on the given bus
// (the system bus in the program). A state may be entered when logind's
// CanSuspend or CanHibernate answers "yes"; "challenge" (a password would
// be asked), "no", "na" and a missing logind all mean it may not. Sleep
// and standby are both logind's Suspend.
class LogindPower final : public SystemPower {
public:
    explicit LogindPower(QDBusConnection bus);

    bool MayEnter(PowerAction action) override;
    void Enter(PowerAction action) override;

private:
    QDBusConnection bus_;
};

}  // namespace velmora
