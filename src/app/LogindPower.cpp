#include "app/LogindPower.h"

#include <QDBusMessage>
#include <utility>

namespace velmora {
namespace {

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kPath = QStringLiteral("/org/freedesktop/login1");
const QString kManager = QStringLiteral("org.freedesktop.login1.Manager");
constexpr int kAnswerTimeoutMs = 5000;

bool Hibernates(PowerAction action) {
    return action == PowerAction::Hibernate;
}

}  // namespace

LogindPower::LogindPower(QDBusConnection bus) : bus_(std::move(bus)) {}

bool LogindPower::MayEnter(PowerAction action) {
    if (action == PowerAction::None || !bus_.isConnected()) {
        return false;
    }
    const QDBusMessage question = QDBusMessage::createMethodCall(
        kService, kPath, kManager,
        Hibernates(action) ? QStringLiteral("CanHibernate") : QStringLiteral("CanSuspend"));
    const QDBusMessage answer = bus_.call(question, QDBus::Block, kAnswerTimeoutMs);
    return answer.type() == QDBusMessage::ReplyMessage && !answer.arguments().isEmpty() &&
           answer.arguments().constFirst().toString() == QStringLiteral("yes");
}

// Sent without waiting: the computer may be asleep before any answer could
// arrive, and nothing would be done with it.
void LogindPower::Enter(PowerAction action) {
    if (action == PowerAction::None) {
        return;
    }
    QDBusMessage request = QDBusMessage::createMethodCall(
        kService, kPath, kManager,
        Hibernates(action) ? QStringLiteral("Hibernate") : QStringLiteral("Suspend"));
    request << false;  // not interactive: no password prompt
    bus_.send(request);
}

}  // namespace velmora
