#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QThread>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <mutex>
#include <vector>

#include "app/LogindPower.h"
#include "app/SystemTimeWatch.h"
#include "base/SystemWallClock.h"
#include "support/PrivateBus.h"

namespace velmora::test {
namespace {

// logind's manager as far as sleeping goes, answering from a thread of its
// own: what CanSuspend and CanHibernate say is set by the test, and every
// call is written down ("Suspend(false)").
class FakeLogind final : public QDBusVirtualObject {
public:
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.interface() != QStringLiteral("org.freedesktop.login1.Manager")) {
            return false;
        }
        const QString member = message.member();
        std::lock_guard lock(mutex);
        if (member == QStringLiteral("CanSuspend")) {
            calls.push_back(member);
            return connection.send(message.createReply(canSuspend));
        }
        if (member == QStringLiteral("CanHibernate")) {
            calls.push_back(member);
            return connection.send(message.createReply(canHibernate));
        }
        if (member == QStringLiteral("Suspend") || member == QStringLiteral("Hibernate")) {
            const bool interactive = message.arguments().value(0).toBool();
            calls.push_back(member +
                            (interactive ? QStringLiteral("(true)") : QStringLiteral("(false)")));
            return connection.send(message.createReply());
        }
        return false;
    }
    QString introspect(const QString&) const override { return {}; }

    std::vector<QString> Calls() {
        std::lock_guard lock(mutex);
        return calls;
    }

    std::mutex mutex;
    QString canSuspend = QStringLiteral("yes");
    QString canHibernate = QStringLiteral("yes");
    std::vector<QString> calls;
};

class LogindPowerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(bus_.Up());
        service_ = bus_.Connect(QStringLiteral("logind"));
        ASSERT_TRUE(service_.isConnected());
        worker_.start();
        logind_.moveToThread(&worker_);
        ASSERT_TRUE(service_.registerService(QStringLiteral("org.freedesktop.login1")));
        ASSERT_TRUE(
            service_.registerVirtualObject(QStringLiteral("/org/freedesktop/login1"), &logind_));
    }
    void TearDown() override {
        service_.unregisterObject(QStringLiteral("/org/freedesktop/login1"));
        worker_.quit();
        worker_.wait();
        QDBusConnection::disconnectFromBus(QStringLiteral("logind"));
        QDBusConnection::disconnectFromBus(QStringLiteral("program"));
    }
    LogindPower Power() { return LogindPower(bus_.Connect(QStringLiteral("program"))); }

    PrivateBus bus_;
    QDBusConnection service_{QString()};
    QThread worker_;
    FakeLogind logind_;
};

TEST_F(LogindPowerTest, SleepAndStandbySuspendAndHibernationHibernatesWhenAllowed) {
    LogindPower power = Power();
    struct Case {
        PowerAction action;
        const char* question;
        const char* request;
    };
    for (const Case c : {Case{PowerAction::Sleep, "CanSuspend", "Suspend(false)"},
                         Case{PowerAction::Standby, "CanSuspend", "Suspend(false)"},
                         Case{PowerAction::Hibernate, "CanHibernate", "Hibernate(false)"}}) {
        {
            std::lock_guard lock(logind_.mutex);
            logind_.calls.clear();
        }
        EXPECT_TRUE(power.MayEnter(c.action));
        power.Enter(c.action);
        EXPECT_TRUE(WaitFor([&] { return logind_.Calls().size() == 2; }));
        EXPECT_EQ(logind_.Calls(), (std::vector<QString>{QString::fromUtf8(c.question),
                                                         QString::fromUtf8(c.request)}));
    }
}

// Only a plain "yes" counts: a password prompt ("challenge") would come up
// with nobody at the screen.
TEST_F(LogindPowerTest, AnyAnswerButYesRefuses) {
    LogindPower power = Power();
    for (const char* answer : {"no", "na", "challenge", ""}) {
        {
            std::lock_guard lock(logind_.mutex);
            logind_.canSuspend = QString::fromUtf8(answer);
            logind_.canHibernate = QStringLiteral("no");
        }
        EXPECT_FALSE(power.MayEnter(PowerAction::Sleep)) << answer;
    }
    EXPECT_FALSE(power.MayEnter(PowerAction::Hibernate));
    EXPECT_FALSE(power.MayEnter(PowerAction::None));
}

// The computer woke up (logind's PrepareForSleep(false)), and timedated
// changed the zone: the C library, which keeps the zone it read first,
// reads it again, and the wall clock is the new zone's.
TEST_F(LogindPowerTest, ResumeAndANewTimeZoneAreHeard) {
    ASSERT_TRUE(service_.registerService(QStringLiteral("org.freedesktop.timedate1")));
    int resumed = 0;
    SystemTimeWatch watch(bus_.Connect(QStringLiteral("program")), [&] { ++resumed; });
    const auto pump = [](const std::function<bool()>& done) {
        for (int i = 0; i < 200 && !done(); ++i) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            QThread::msleep(10);
        }
        return done();
    };
    for (const bool sleeping : {true, false}) {
        QDBusMessage signal = QDBusMessage::createSignal(
            QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"));
        signal << sleeping;
        ASSERT_TRUE(service_.send(signal));
    }
    EXPECT_TRUE(pump([&] { return resumed > 0; }));
    EXPECT_EQ(resumed, 1);

    const char* const old = std::getenv("TZ");
    const std::string before = old ? old : "";
    ::setenv("TZ", "Asia/Tokyo", 1);
    ::tzset();
    SystemWallClock wall;
    const auto hoursAhead = [&] {
        const DateTime utc = static_cast<double>(std::time(nullptr)) / 86400.0 + 25569.0;
        return std::lround((wall.Now() - utc) * 24.0);
    };
    EXPECT_EQ(hoursAhead(), 9);
    ::setenv("TZ", "UTC", 1);
    EXPECT_EQ(hoursAhead(), 9);  // not yet read again
    QDBusMessage changed = QDBusMessage::createSignal(
        QStringLiteral("/org/freedesktop/timedate1"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
    changed << QStringLiteral("org.freedesktop.timedate1")
            << QVariantMap{{QStringLiteral("Timezone"), QStringLiteral("UTC")}} << QStringList();
    ASSERT_TRUE(service_.send(changed));
    EXPECT_TRUE(pump([&] { return hoursAhead() == 0; }));
    old ? ::setenv("TZ", before.c_str(), 1) : ::unsetenv("TZ");
    ::tzset();
}

TEST(LogindPowerAbsent, NoLogindOrNoBusRefuses) {
    PrivateBus bus;
    ASSERT_TRUE(bus.Up());
    {
        LogindPower power(bus.Connect(QStringLiteral("lonely")));
        EXPECT_FALSE(power.MayEnter(PowerAction::Sleep));
        EXPECT_FALSE(power.MayEnter(PowerAction::Hibernate));
        power.Enter(PowerAction::Sleep);  // goes nowhere, harmlessly
    }
    LogindPower unconnected(QDBusConnection(QStringLiteral("nowhere")));
    EXPECT_FALSE(unconnected.MayEnter(PowerAction::Sleep));
    QDBusConnection::disconnectFromBus(QStringLiteral("lonely"));
}

}  // namespace
}  // namespace velmora::test
