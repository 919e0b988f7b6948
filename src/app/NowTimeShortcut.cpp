#include "app/NowTimeShortcut.h"

#include <QDBusConnection>
#include <QGuiApplication>
#include <QKeySequence>

#include "app/dbus/PortalGlobalShortcut.h"
#include "app/x11/XcbGlobalShortcut.h"
#include "dialog/KeyChordEdit.h"

namespace velmora {

NowTimeShortcut::NowTimeShortcut(std::unique_ptr<GlobalShortcut> shortcut,
                                 std::function<void()> pressed, QObject* parent)
    : QObject(parent), shortcut_(std::move(shortcut)) {
    connect(shortcut_.get(), &GlobalShortcut::activated, this, std::move(pressed));
    connect(shortcut_.get(), &GlobalShortcut::stateChanged, this, &NowTimeShortcut::statusChanged);
}

void NowTimeShortcut::Apply(const std::string& keys) {
    const QKeySequence sequence =
        QKeySequence::fromString(QString::fromStdString(keys), QKeySequence::PortableText);
    keys_ = sequence.toString(QKeySequence::NativeText);
    // A key edited into the file by hand may be one the dialog would not
    // take: none is bound rather than one that breaks typing everywhere.
    unfit_ = !keys.empty() && (sequence.count() != 1 || !UsableEverywhere(sequence[0]));
    shortcut_->Bind(keys.empty() || unfit_ ? QKeyCombination(Qt::Key_unknown) : sequence[0]);
    emit statusChanged();
}

NowTimeKeyStatus NowTimeShortcut::Status() const {
    const auto note = [](const QString& text) { return text.toStdString(); };
    if (unfit_) {
        return {true,
                note(QStringLiteral("設定ファイルのキー「%1」は使えないため、割り当てていません。")
                         .arg(keys_))};
    }
    switch (shortcut_->Current()) {
        case GlobalShortcut::State::Off:
            return {};
        case GlobalShortcut::State::Bound: {
            const QString trigger = shortcut_->DesktopTrigger();
            if (trigger.isEmpty() || trigger == keys_) {
                return {};
            }
            return {true,
                    note(QStringLiteral("デスクトップは「%1」に割り当てました。").arg(trigger))};
        }
        case GlobalShortcut::State::Waiting:
            return {true, note(QStringLiteral("デスクトップの返事を待っています。"))};
        case GlobalShortcut::State::Taken:
            return {true, note(QStringLiteral("「%1」はほかのプログラムが使っています。"
                                              "別のキーを選んでください。")
                                   .arg(keys_))};
        case GlobalShortcut::State::Unusable:
            return {true, note(QStringLiteral("「%1」はこのキーボードの配列にないため使えません。"
                                              "別のキーを選んでください。")
                                   .arg(keys_))};
        case GlobalShortcut::State::Refused:
            return {true, note(QStringLiteral(
                              "デスクトップがキーの割り当てを認めませんでした。"
                              "デスクトップの設定で許可するか、別のキーを選んでください。"))};
        case GlobalShortcut::State::Unsupported:
            break;
    }
    return {false,
            note(QStringLiteral("このデスクトップは、ほかのウィンドウで押されたキーを"
                                "プログラムに渡さないため、使えません。"
                                "時刻はトレイのメニューの「現在時刻」で読み上げられます。"))};
}

std::unique_ptr<GlobalShortcut> MakeSessionGlobalShortcut() {
    // An X client on XWayland sees keys only while one of its own windows
    // has the focus, so a Wayland session goes through the portal even
    // when Qt runs on X.
    const bool wayland = qEnvironmentVariable("XDG_SESSION_TYPE") == QStringLiteral("wayland") ||
                         qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (!wayland && QGuiApplication::platformName() == QStringLiteral("xcb")) {
        if (std::unique_ptr<GlobalShortcut> x11 = MakeX11GlobalShortcut()) {
            return x11;
        }
    }
    return std::make_unique<PortalGlobalShortcut>(QDBusConnection::sessionBus());
}

}  // namespace velmora
