#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QDBusVirtualObject>
#include <QThread>
#include <atomic>
#include <memory>
#include <mutex>

#include "schedule/dbus/DBusDisplayAwake.h"
#include "support/PrivateBus.h"

namespace velmora::test {
namespace {

// The screen saver and logind as a desktop offers them, answering on a bus
// of the test's own from a thread of their own (the calls under test block
// until they answer).
class FakeDesktopService final : public QDBusVirtualObject {
public:
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        const QString member = message.member();
        std::lock_guard lock(mutex);
        if (message.interface() == QStringLiteral("org.freedesktop.ScreenSaver")) {
            if (member == QStringLiteral("SimulateUserActivity")) {
                ++activity;
                return connection.send(message.createReply());
            }
            if (member == QStringLiteral("Inhibit")) {
                ++screenInhibits;
                return connection.send(message.createReply(QVariant::fromValue(uint{42})));
            }
            if (member == QStringLiteral("UnInhibit")) {
                unInhibited = message.arguments().value(0).toUInt();
                return connection.send(message.createReply());
            }
        }
        if (message.interface() == QStringLiteral("org.freedesktop.login1.Manager") &&
            member == QStringLiteral("Inhibit")) {
            ++sleepInhibits;
            sleepWhat = message.arguments().value(0).toString();
            sleepMode = message.arguments().value(3).toString();
            int ends[2];
            if (::pipe(ends) != 0) {
                return false;
            }
            lockReadEnd = ends[0];
            const QDBusUnixFileDescriptor handed(ends[1]);  // keeps its own copy
            ::close(ends[1]);
            return connection.send(message.createReply(QVariant::fromValue(handed)));
        }
        return false;
    }
    QString introspect(const QString&) const override { return {}; }

    std::mutex mutex;
    int activity = 0;
    int screenInhibits = 0;
    uint unInhibited = 0;
    int sleepInhibits = 0;
    QString sleepWhat;
    QString sleepMode;
    int lockReadEnd = -1;
};

bool ReadEndSeesClose(int fd) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, 0) == 1 && (p.revents & (POLLIN | POLLHUP)) != 0;
}

class DBusDisplayAwakeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(bus_.Up());
        service_ = bus_.Connect(QStringLiteral("desktop"));
        ASSERT_TRUE(service_.isConnected());
        worker_.start();
        for (FakeDesktopService* fake : {&screenSaver_, &login_}) {
            fake->moveToThread(&worker_);
        }
        ASSERT_TRUE(service_.registerService(QStringLiteral("org.freedesktop.ScreenSaver")));
        ASSERT_TRUE(service_.registerService(QStringLiteral("org.freedesktop.login1")));
        ASSERT_TRUE(service_.registerVirtualObject(QStringLiteral("/org/freedesktop/ScreenSaver"),
                                                   &screenSaver_));
        ASSERT_TRUE(
            service_.registerVirtualObject(QStringLiteral("/org/freedesktop/login1"), &login_));
    }
    void TearDown() override {
        service_.unregisterObject(QStringLiteral("/org/freedesktop/ScreenSaver"));
        service_.unregisterObject(QStringLiteral("/org/freedesktop/login1"));
        worker_.quit();
        worker_.wait();
        QDBusConnection::disconnectFromBus(QStringLiteral("desktop"));
    }

    PrivateBus bus_;
    QDBusConnection service_{QString()};
    QThread worker_;
    FakeDesktopService screenSaver_;
    FakeDesktopService login_;
};

TEST_F(DBusDisplayAwakeTest, WakesInhibitsAndReleases) {
    auto awake = std::make_unique<DBusDisplayAwake>(bus_.Connect(QStringLiteral("session")),
                                                    bus_.Connect(QStringLiteral("system")));
    awake->WakeDisplay();
    EXPECT_TRUE(WaitFor([&] {
        std::lock_guard lock(screenSaver_.mutex);
        return screenSaver_.activity == 1;
    }));

    awake->Inhibit();
    awake->Inhibit();  // already held: nothing more
    EXPECT_TRUE(awake->HoldsScreenSaverCookie());
    EXPECT_TRUE(awake->HoldsSleepLock());
    int readEnd = -1;
    {
        std::lock_guard lock(login_.mutex);
        EXPECT_EQ(login_.sleepInhibits, 1);
        EXPECT_EQ(login_.sleepWhat, QStringLiteral("sleep"));
        EXPECT_EQ(login_.sleepMode, QStringLiteral("block"));
        readEnd = login_.lockReadEnd;
    }
    {
        std::lock_guard lock(screenSaver_.mutex);
        EXPECT_EQ(screenSaver_.screenInhibits, 1);
    }
    ASSERT_GE(readEnd, 0);
    EXPECT_FALSE(ReadEndSeesClose(readEnd));  // the lock is held

    awake->Release();
    EXPECT_FALSE(awake->HoldsSleepLock());
    EXPECT_TRUE(WaitFor([&] { return ReadEndSeesClose(readEnd); }));
    EXPECT_TRUE(WaitFor([&] {
        std::lock_guard lock(screenSaver_.mutex);
        return screenSaver_.unInhibited == 42;
    }));
    ::close(readEnd);
    awake.reset();
    QDBusConnection::disconnectFromBus(QStringLiteral("session"));
    QDBusConnection::disconnectFromBus(QStringLiteral("system"));
}

TEST(DBusDisplayAwake, NothingWhereNoServiceAnswers) {
    PrivateBus bus;
    ASSERT_TRUE(bus.Up());
    {
        DBusDisplayAwake awake(bus.Connect(QStringLiteral("bare-session")),
                               bus.Connect(QStringLiteral("bare-system")));
        awake.WakeDisplay();
        awake.Inhibit();
        EXPECT_FALSE(awake.HoldsScreenSaverCookie());
        EXPECT_FALSE(awake.HoldsSleepLock());
        awake.Release();
    }
    {
        // No bus at all.
        DBusDisplayAwake awake(QDBusConnection(QStringLiteral("nowhere")),
                               QDBusConnection(QStringLiteral("nowhere")));
        awake.WakeDisplay();
        awake.Inhibit();
        EXPECT_FALSE(awake.HoldsSleepLock());
        awake.Release();
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("bare-session"));
    QDBusConnection::disconnectFromBus(QStringLiteral("bare-system"));
}

}  // namespace
}  // namespace velmora::test
