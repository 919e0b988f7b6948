#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QDeadlineTimer>
#include <QProcess>
#include <cstdlib>

#include "app/ShortcutKeys.h"
#include "app/dbus/PortalGlobalShortcut.h"
#include "app/x11/XcbGlobalShortcut.h"
#include "dialog/KeyChordEdit.h"
#include "support/PrivateBus.h"

namespace velmora::test {
namespace {

template <typename Condition>
bool Within(int ms, Condition condition) {
    const QDeadlineTimer deadline(ms);
    while (!condition()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

TEST(ShortcutKeys, KeysymsPortalNotationAndWhatMayBeTakenEverywhere) {
    struct Case {
        QKeyCombination keys;
        std::uint32_t keysym = 0;
        const char* trigger = "";
        bool usable = false;
    };
    const Qt::KeyboardModifiers all =
        Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier | Qt::MetaModifier;
    const Case cases[] = {
        {Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier | Qt::Key_T, 't',
         "CTRL+ALT+SHIFT+t", true},
        {all | Qt::Key_Z, 'z', "CTRL+ALT+SHIFT+LOGO+z", true},
        {Qt::MetaModifier | Qt::Key_0, '0', "LOGO+0", true},
        {QKeyCombination(Qt::Key_F1), 0xffbe, "F1", true},
        {QKeyCombination(Qt::Key_F12), 0xffc9, "F12", true},
        {QKeyCombination(Qt::Key_Pause), 0xff13, "Pause", true},
        {Qt::AltModifier | Qt::Key_PageDown, 0xff56, "ALT+Next", true},
        {Qt::ControlModifier | Qt::Key_Slash, '/', "CTRL+slash", true},
        // Typing keys alone or shifted would be lost to every other window.
        {QKeyCombination(Qt::Key_T), 't', "t", false},
        {Qt::ShiftModifier | Qt::Key_T, 't', "SHIFT+t", false},
        {QKeyCombination(Qt::Key_Space), 0x20, "space", false},
        // Shifted symbols and keys outside the table have no keysym here.
        {Qt::ControlModifier | Qt::Key_Exclam, 0, "", false},
        {Qt::ControlModifier | Qt::Key_Henkan, 0, "", false},
    };
    for (const Case& c : cases) {
        const QString name = QKeySequence(c.keys).toString();
        EXPECT_EQ(X11Keysym(c.keys.key()), c.keysym) << name.toStdString();
        EXPECT_EQ(PortalTrigger(c.keys), QString::fromLatin1(c.trigger)) << name.toStdString();
        EXPECT_EQ(UsableEverywhere(c.keys) && X11Keysym(c.keys.key()) != 0, c.usable)
            << name.toStdString();
    }
    EXPECT_EQ(X11Modifiers(all), 1 | 4 | 8 | 64);
}

// On the test display: a press of the combination reaches the program
// whichever window has the keyboard, with Num Lock on as well; a second
// client asking for the same keys hears that they are taken, and after the
// first lets go the second gets them.
TEST(XcbGlobalShortcut, APressAnywhereReachesTheProgramAndAHeldKeyIsTaken) {
    if (std::getenv("DISPLAY") == nullptr ||
        QProcess::execute(
            QStringLiteral("sh"),
            {QStringLiteral("-c"), QStringLiteral("command -v xdotool >/dev/null")}) != 0) {
        GTEST_SKIP() << "needs an X display and xdotool";
    }
    const QKeyCombination keys =
        Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier | Qt::Key_F11;
    XcbGlobalShortcut first;
    int presses = 0;
    QObject::connect(&first, &GlobalShortcut::activated, [&presses] { ++presses; });
    first.Bind(keys);
    ASSERT_EQ(first.Current(), GlobalShortcut::State::Bound);

    const auto press = [](const QString& chord) {
        return QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), chord});
    };
    ASSERT_EQ(press(QStringLiteral("ctrl+alt+shift+F11")), 0);
    EXPECT_TRUE(Within(3000, [&] { return presses == 1; }));
    ASSERT_EQ(press(QStringLiteral("ctrl+alt+F11")), 0);  // not the combination
    ASSERT_EQ(press(QStringLiteral("Num_Lock")), 0);
    ASSERT_EQ(press(QStringLiteral("ctrl+alt+shift+F11")), 0);
    ASSERT_EQ(press(QStringLiteral("Num_Lock")), 0);
    EXPECT_TRUE(Within(3000, [&] { return presses == 2; }));
    Within(200, [] { return false; });
    EXPECT_EQ(presses, 2);

    XcbGlobalShortcut second;
    second.Bind(keys);
    EXPECT_EQ(second.Current(), GlobalShortcut::State::Taken);
    first.Bind(QKeyCombination(Qt::Key_unknown));
    EXPECT_EQ(first.Current(), GlobalShortcut::State::Off);
    second.Bind(keys);
    EXPECT_EQ(second.Current(), GlobalShortcut::State::Bound);
}

const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kShortcuts = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");

// The desktop portal's global shortcuts as a desktop with a backend offers
// them: each request answered at once on its request object, the trigger
// the desktop settles on ("answer" says what the user chose: 0 granted,
// 1 cancelled).
class FakePortal final : public QDBusVirtualObject {
public:
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        const QVariantList args = message.arguments();
        if (message.member() == QStringLiteral("Get")) {
            return connection.send(message.createReply(QVariant::fromValue(QDBusVariant(1U))));
        }
        if (message.interface() != kShortcuts) {
            return false;
        }
        const QVariantMap options = qdbus_cast<QVariantMap>(args.constLast());
        QString sender = message.service().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        const QString request = kPortalPath + QStringLiteral("/request/") + sender +
                                QLatin1Char('/') +
                                options.value(QStringLiteral("handle_token")).toString();
        connection.send(message.createReply(QVariant::fromValue(QDBusObjectPath(request))));
        QVariantMap results;
        uint response = 0;
        if (message.member() == QStringLiteral("CreateSession")) {
            session = kPortalPath + QStringLiteral("/session/") + sender + QLatin1Char('/') +
                      options.value(QStringLiteral("session_handle_token")).toString();
            results.insert(QStringLiteral("session_handle"), session);
        } else if (message.member() == QStringLiteral("BindShortcuts")) {
            const auto asked = qdbus_cast<QList<PortalShortcut>>(args.value(1));
            for (const PortalShortcut& s : asked) {
                preferred = s.Properties.value(QStringLiteral("preferred_trigger")).toString();
                description = s.Properties.value(QStringLiteral("description")).toString();
                id = s.Id;
            }
            response = answer;
            const QList<PortalShortcut> bound{
                {id, {{QStringLiteral("trigger_description"), QStringLiteral("Super+F7")}}}};
            results.insert(QStringLiteral("shortcuts"), QVariant::fromValue(bound));
        } else {
            return false;
        }
        QDBusMessage response_ = QDBusMessage::createSignal(
            request, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
        response_ << response << results;
        return connection.send(response_);
    }
    QString introspect(const QString&) const override { return {}; }

    uint answer = 0;
    QString session;
    QString id;
    QString preferred;
    QString description;
};

class PortalGlobalShortcutTest : public ::testing::Test {
protected:
    void SetUp() override {
        qDBusRegisterMetaType<PortalShortcut>();
        qDBusRegisterMetaType<QList<PortalShortcut>>();
        ASSERT_TRUE(bus_.Up());
        desktop_ = bus_.Connect(QStringLiteral("desktop"));
        ASSERT_TRUE(desktop_.isConnected());
    }
    void TearDown() override {
        desktop_.unregisterObject(kPortalPath);
        QDBusConnection::disconnectFromBus(QStringLiteral("desktop"));
        QDBusConnection::disconnectFromBus(QStringLiteral("program"));
    }
    void Offer() {
        ASSERT_TRUE(desktop_.registerService(kPortal));
        ASSERT_TRUE(desktop_.registerVirtualObject(kPortalPath, &portal_));
    }

    PrivateBus bus_;
    QDBusConnection desktop_{QString()};
    FakePortal portal_;
};

// The key is proposed in the portal's notation, the desktop's own choice
// is kept, and its Activated signal for this session reaches the program.
TEST_F(PortalGlobalShortcutTest, TheDesktopBindsTheKeyAndReportsItsPresses) {
    Offer();
    PortalGlobalShortcut shortcut(bus_.Connect(QStringLiteral("program")));
    int presses = 0;
    QObject::connect(&shortcut, &GlobalShortcut::activated, [&presses] { ++presses; });
    shortcut.Bind(Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier | Qt::Key_T);
    ASSERT_TRUE(Within(5000, [&] { return shortcut.Current() == GlobalShortcut::State::Bound; }));
    EXPECT_EQ(portal_.preferred, QStringLiteral("CTRL+ALT+SHIFT+t"));
    EXPECT_EQ(portal_.description, QStringLiteral("現在時刻を読み上げる"));
    EXPECT_EQ(shortcut.DesktopTrigger(), QStringLiteral("Super+F7"));

    const auto activate = [&](const QString& session, const QString& id) {
        QDBusMessage signal =
            QDBusMessage::createSignal(kPortalPath, kShortcuts, QStringLiteral("Activated"));
        signal << QVariant::fromValue(QDBusObjectPath(session)) << id << qulonglong(0)
               << QVariantMap();
        desktop_.send(signal);
    };
    activate(portal_.session, QStringLiteral("other"));
    activate(portal_.session, portal_.id);
    EXPECT_TRUE(Within(3000, [&] { return presses == 1; }));
    Within(200, [] { return false; });
    EXPECT_EQ(presses, 1);
}

TEST_F(PortalGlobalShortcutTest, ARefusalAndAMissingBackendAreTold) {
    PortalGlobalShortcut none(bus_.Connect(QStringLiteral("program")));
    none.Bind(Qt::ControlModifier | Qt::Key_F5);
    EXPECT_TRUE(Within(5000, [&] { return none.Current() == GlobalShortcut::State::Unsupported; }));

    Offer();
    portal_.answer = 1;
    PortalGlobalShortcut refused(bus_.Connect(QStringLiteral("program")));
    refused.Bind(Qt::ControlModifier | Qt::Key_F5);
    EXPECT_TRUE(Within(5000, [&] { return refused.Current() == GlobalShortcut::State::Refused; }));
}

}  // namespace
}  // namespace velmora::test
