#include <gtest/gtest.h>

#include <QCoreApplication>

#include "app/SleepWakeWarning.h"
#include "fakes/FakeNotices.h"
#include "sim/SimWakeTimer.h"

namespace velmora {
namespace {

const DateTime kMoment = EncodeDate(2024, 3, 18) + EncodeTime(6, 59, 0);

TEST(SleepWakeWarning, TellsOncePerRunAfterTheArmingWhenSleepCannotBeInterrupted) {
    SimWakeTimer timer;
    timer.SetWakesFromSleep(false);
    test::FakeNotices notices;
    SleepWakeWarning wake(timer, notices, "warning");
    EXPECT_TRUE(wake.Arm(kMoment));
    EXPECT_EQ(timer.Arms(), 1) << "armed all the same";
    EXPECT_EQ(timer.WakeTime(), kMoment);
    EXPECT_TRUE(notices.notices.empty()) << "not while the arming runs";
    QCoreApplication::processEvents();
    EXPECT_EQ(notices.notices, std::vector<std::string>{"warning"});
    EXPECT_TRUE(wake.Arm(kMoment + 1));
    QCoreApplication::processEvents();
    EXPECT_EQ(notices.notices.size(), 1U);
}

TEST(SleepWakeWarning, SilentWhenTheTimerWakesOrCannotBeSet) {
    SimWakeTimer timer;
    test::FakeNotices notices;
    SleepWakeWarning wake(timer, notices, "warning");
    EXPECT_TRUE(wake.Arm(kMoment));
    timer.SetWakesFromSleep(false);
    timer.SetRefuse(true);
    // The clock shows its own failure message.
    EXPECT_FALSE(wake.Arm(kMoment));
    QCoreApplication::processEvents();
    EXPECT_TRUE(notices.notices.empty());
    EXPECT_FALSE(wake.Told());
    wake.Disarm();
    EXPECT_EQ(timer.Disarms(), 1);
}

TEST(SleepWakeWarning, TheTextGivesTheCommandOnlyWhenTheRightIsMissing) {
    const std::string plain = NoWakeFromSleepText(true, "/usr/lib/velmora/velmora");
    EXPECT_NE(plain.find("スリープ"), std::string::npos);
    EXPECT_NE(plain.find("\nsudo setcap cap_wake_alarm+ep /usr/lib/velmora/velmora"),
              std::string::npos);
    const std::string spaced = NoWakeFromSleepText(true, "/home/a/ベルモラ 1/it's/velmora");
    EXPECT_NE(spaced.find("cap_wake_alarm+ep '/home/a/ベルモラ 1/it'\\''s/velmora'"),
              std::string::npos)
        << spaced;
    const std::string noClock = NoWakeFromSleepText(false, "/usr/lib/velmora/velmora");
    EXPECT_EQ(noClock.find("setcap"), std::string::npos);
    EXPECT_NE(noClock.find("スリープ"), std::string::npos);
}

}  // namespace
}  // namespace velmora
