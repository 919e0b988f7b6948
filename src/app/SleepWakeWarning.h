#pragma once

#include <QObject>
#include <string>

#include "base/Notices.h"
#include "schedule/WakeUpTimer.h"

namespace velmora {

// Where the computer cannot be woken for the alarm: the alarm is still
// armed and rings on time while the computer is awake, and the user learns
// once per run that sleep will not be interrupted, and why. The word comes
// after the arming is over, from the event loop, so the box never holds up
// the clock's tick.
class SleepWakeWarning final : public QObject, public WakeUpTimer {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SleepWakeWarning)

public:
    // `warning` is the text shown (see NoWakeFromSleepText).
    SleepWakeWarning(WakeUpTimer& timer, Notices& notices, std::string warning,
                     QObject* parent = nullptr);

    bool Arm(DateTime wakeAt) override;
    void Disarm() override { timer_.Disarm(); }
    bool WakesFromSleep() const override { return timer_.WakesFromSleep(); }
    void SetFiredHandler(std::function<void()> handler) override {
        timer_.SetFiredHandler(std::move(handler));
    }

    bool Told() const { return told_; }

private:
    WakeUpTimer& timer_;
    Notices& notices_;
    std::string warning_;
    bool told_ = false;
};

// What the user is told: that sleep will not be interrupted, and, when only
// the program's right to set wake alarms is missing, the command that
// grants it to `programFile`.
std::string NoWakeFromSleepText(bool permissionMissing, const std::string& programFile);

}  // namespace velmora
