#include "app/SleepWakeWarning.h"

#include <QTimer>
#include <utility>

namespace velmora {
namespace {

// A path as one shell word.
std::string ShellWord(const std::string& path) {
    if (path.find_first_not_of(
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/._-+") ==
        std::string::npos) {
        return path;
    }
    std::string quoted = "'";
    for (const char c : path) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

}  // namespace

SleepWakeWarning::SleepWakeWarning(WakeUpTimer& timer, Notices& notices, std::string warning,
                                   QObject* parent)
    : QObject(parent), timer_(timer), notices_(notices), warning_(std::move(warning)) {}

bool SleepWakeWarning::Arm(DateTime wakeAt) {
    if (!timer_.Arm(wakeAt)) {
        return false;
    }
    if (!timer_.WakesFromSleep() && !told_) {
        told_ = true;
        QTimer::singleShot(0, this, [this] { notices_.ShowNotice(warning_); });
    }
    return true;
}

std::string NoWakeFromSleepText(bool permissionMissing, const std::string& programFile) {
    std::string text =
        "目覚ましを設定しましたが、パソコンがスリープ中は目覚ましの時刻に\n"
        "スリープから復帰させることができません。\n"
        "（パソコンが起きていれば、目覚ましは時刻どおりに鳴ります。）";
    if (permissionMissing) {
        text +=
            "\n\nスリープから復帰させるには、ベルモラにその権限を与えてください。\n"
            "端末で次のコマンドを実行し、ベルモラを起動し直します。\n\n"
            "sudo setcap cap_wake_alarm+ep " +
            ShellWord(programFile);
    } else {
        text += "\n\nこのパソコンには、スリープから復帰させるための時計がありません。";
    }
    return text;
}

}  // namespace velmora
