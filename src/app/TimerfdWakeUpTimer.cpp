#include "app/TimerfdWakeUpTimer.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <cmath>
#include <ctime>
#include <optional>

namespace velmora {
namespace {

// Seconds since the epoch of a local DateTime, as the C library resolves
// local time (daylight saving included).
std::optional<timespec> EpochOf(DateTime local) {
    const CivilDate d = DecodeDate(local);
    const TimeOfDay t = DecodeTime(local);
    std::tm tm{};
    tm.tm_year = d.year - 1900;
    tm.tm_mon = d.month - 1;
    tm.tm_mday = d.day;
    tm.tm_hour = t.hour;
    tm.tm_min = t.minute;
    tm.tm_sec = t.second;
    tm.tm_isdst = -1;
    const std::time_t seconds = std::mktime(&tm);
    if (seconds == static_cast<std::time_t>(-1)) {
        return std::nullopt;
    }
    return timespec{seconds, static_cast<long>(t.msec) * 1'000'000};
}

}  // namespace

TimerfdWakeUpTimer::TimerfdWakeUpTimer(QObject* parent) : QObject(parent) {
    fd_ = ::timerfd_create(CLOCK_REALTIME_ALARM, TFD_CLOEXEC | TFD_NONBLOCK);
    wakesFromSleep_ = fd_ >= 0;
    if (fd_ < 0) {
        alarmClockError_ = errno;
        // Not allowed to wake the computer: still ring on time while awake.
        fd_ = ::timerfd_create(CLOCK_REALTIME, TFD_CLOEXEC | TFD_NONBLOCK);
    }
    if (fd_ >= 0) {
        notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &TimerfdWakeUpTimer::Fired);
    }
}

TimerfdWakeUpTimer::~TimerfdWakeUpTimer() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool TimerfdWakeUpTimer::Arm(DateTime wakeAt) {
    wakeAt_ = wakeAt;
    const auto when = EpochOf(wakeAt);
    if (fd_ < 0 || !when) {
        return false;
    }
    itimerspec spec{};
    spec.it_value = *when;
    if (spec.it_value.tv_sec == 0 && spec.it_value.tv_nsec == 0) {
        spec.it_value.tv_nsec = 1;  // zero would disarm instead
    }
    // Cancelled when the clock is set, so the moment is resolved again then.
    return ::timerfd_settime(fd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &spec, nullptr) == 0;
}

void TimerfdWakeUpTimer::Disarm() {
    wakeAt_.reset();
    if (fd_ >= 0) {
        const itimerspec off{};
        ::timerfd_settime(fd_, TFD_TIMER_ABSTIME, &off, nullptr);
    }
}

void TimerfdWakeUpTimer::Fired() {
    std::uint64_t expirations = 0;
    if (::read(fd_, &expirations, sizeof expirations) != static_cast<ssize_t>(sizeof expirations)) {
        // The clock was set: the local moment may now lie at another instant
        // (a step across a change of daylight saving), and a cancelled timer
        // would never wake the computer.
        if (errno == ECANCELED && wakeAt_) {
            Arm(*wakeAt_);
        }
        return;  // else a moment already replaced by a new one
    }
    if (fired_) {
        fired_();
    }
}

}  // namespace velmora
