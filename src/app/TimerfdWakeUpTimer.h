#pragma once

#include <QObject>
#include <functional>
#include <optional>

#include "schedule/WakeUpTimer.h"

class QSocketNotifier;

namespace velmora {

// The wake-up timer on a Linux timer descriptor of the real-time alarm
// clock: the kernel resumes the computer from suspend when it is due (this
// needs the CAP_WAKE_ALARM capability; without it the timer still fires
// while the computer is awake). The descriptor is watched by the event loop,
// so no thread waits on it. The moment is absolute wall-clock time, so a
// clock adjustment in between does not shift the alarm; a clock that is set
// cancels the timer, which then arms itself again.
class TimerfdWakeUpTimer final : public QObject, public WakeUpTimer {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TimerfdWakeUpTimer)

public:
    explicit TimerfdWakeUpTimer(QObject* parent = nullptr);
    ~TimerfdWakeUpTimer() override;

    bool Arm(DateTime wakeAt) override;
    void Disarm() override;
    bool WakesFromSleep() const override { return wakesFromSleep_; }
    // Why the alarm clock was refused (an errno value; 0 when it was not):
    // EPERM means only the capability is missing.
    int AlarmClockError() const { return alarmClockError_; }
    void SetFiredHandler(std::function<void()> handler) override { fired_ = std::move(handler); }

private:
    void Fired();

    std::optional<DateTime> wakeAt_;
    int fd_ = -1;
    bool wakesFromSleep_ = false;
    int alarmClockError_ = 0;
    QSocketNotifier* notifier_ = nullptr;
    std::function<void()> fired_;
};

}  // namespace velmora
