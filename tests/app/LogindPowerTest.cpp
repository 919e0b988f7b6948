#include <gtest/gtest.h>

#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QThread>
#include <mutex>
#include <vector>

#include "app/LogindPower.h"
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
