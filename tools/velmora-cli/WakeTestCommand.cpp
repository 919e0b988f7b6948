#include <QEventLoop>
#include <QTimer>
#include <charconv>
#include <cstdio>

#include "CliCommands.h"
#include "CliEventLoop.h"
#include "app/TimerfdWakeUpTimer.h"
#include "base/SystemWallClock.h"
#include "schedule/AlarmTexts.h"

namespace velmora::cli {
namespace {

constexpr const char* kWakeTestUsage = "usage: velmora-cli wake-test SECONDS (1..86400)";
// How long past the moment the command waits for the timer before it gives up.
constexpr int kGraceSeconds = 30;

std::string Moment(DateTime t) {
    const TimeOfDay time = DecodeTime(t);
    char ms[8];
    std::snprintf(ms, sizeof ms, ".%03d", time.msec);
    return FormatDateTimeFull(t) + ms;
}

}  // namespace

int RunWakeTest(Args args, Io io) {
    int seconds = 0;
    if (args.size() != 1) {
        return Fail(io, kWakeTestUsage, kUsage);
    }
    const std::string& text = args[0];
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (error != std::errc() || end != text.data() + text.size() || seconds < 1 ||
        seconds > 86400) {
        return Fail(io, kWakeTestUsage, kUsage);
    }

    const auto app = EnsureEventLoop();
    SystemWallClock wall;
    TimerfdWakeUpTimer timer;
    io.out << "clock=" << (timer.WakesFromSleep() ? "CLOCK_REALTIME_ALARM" : "CLOCK_REALTIME")
           << '\n';
    const DateTime due = wall.Now() + seconds / kSecondsPerDay;
    if (!timer.Arm(due)) {
        return Fail(io, kWakeUpFailedMessage);
    }
    io.out << "armed=" << Moment(due) << std::endl;

    QEventLoop loop;
    DateTime fired = 0;
    timer.SetFiredHandler([&] {
        fired = wall.Now();
        loop.quit();
    });
    QTimer::singleShot((seconds + kGraceSeconds) * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    if (fired == 0) {
        return Fail(io, "the wake-up timer did not fire");
    }
    io.out << "fired=" << Moment(fired) << '\n';
    return kOk;
}

}  // namespace velmora::cli
