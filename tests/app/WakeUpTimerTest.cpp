#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>

#include "app/TimerfdWakeUpTimer.h"

namespace velmora {
namespace {

DateTime LocalNowPlusMs(int ms) {
    const QDateTime t = QDateTime::currentDateTime().addMSecs(ms);
    const QDate d = t.date();
    const QTime tm = t.time();
    return EncodeDate(d.year(), d.month(), d.day()) +
           EncodeTime(tm.hour(), tm.minute(), tm.second(), tm.msec());
}

// Runs the event loop until `done` or `limitMs` have passed; returns the
// elapsed milliseconds.
qint64 Spin(const std::function<bool()>& done, int limitMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < limitMs) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    return clock.elapsed();
}

TEST(WakeUpTimer, FiresAtTheWallClockMoment) {
    TimerfdWakeUpTimer timer;
    int fired = 0;
    timer.SetFiredHandler([&] { ++fired; });
    ASSERT_TRUE(timer.Arm(LocalNowPlusMs(300)));
    const qint64 elapsed = Spin([&] { return fired > 0; }, 3000);
    EXPECT_EQ(fired, 1);
    EXPECT_GE(elapsed, 250);
    // The root user may set wake alarms; others only with CAP_WAKE_ALARM.
    if (::geteuid() == 0) {
        EXPECT_TRUE(timer.WakesFromSleep());
    }
}

TEST(WakeUpTimer, ArmingAgainReplacesTheMoment) {
    TimerfdWakeUpTimer timer;
    int fired = 0;
    timer.SetFiredHandler([&] { ++fired; });
    ASSERT_TRUE(timer.Arm(LocalNowPlusMs(200)));
    ASSERT_TRUE(timer.Arm(LocalNowPlusMs(700)));
    const qint64 elapsed = Spin([&] { return fired > 0; }, 3000);
    EXPECT_EQ(fired, 1);
    EXPECT_GE(elapsed, 600);
    Spin([] { return false; }, 300);
    EXPECT_EQ(fired, 1);
}

TEST(WakeUpTimer, DisarmedTimerStaysQuietAndPastMomentsFireAtOnce) {
    TimerfdWakeUpTimer timer;
    int fired = 0;
    timer.SetFiredHandler([&] { ++fired; });
    ASSERT_TRUE(timer.Arm(LocalNowPlusMs(200)));
    timer.Disarm();
    Spin([] { return false; }, 500);
    EXPECT_EQ(fired, 0);
    ASSERT_TRUE(timer.Arm(LocalNowPlusMs(-5000)));
    Spin([&] { return fired > 0; }, 1000);
    EXPECT_EQ(fired, 1);
}

}  // namespace
}  // namespace velmora
