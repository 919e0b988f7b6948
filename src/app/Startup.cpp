#include "app/Startup.h"

#include <QApplication>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "app/BoxMessageService.h"
#include "app/SingleInstance.h"
#include "app/TerminationSignals.h"
#include "app/VelmoraProgram.h"
#include "clock/WindowSystemProbe.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

namespace velmora {
namespace {

QString LockFolderRefusedText(const std::string& folder) {
    return QStringLiteral(
               "「ベルモラ」を起動できません。\n"
               "二重起動を防ぐためのフォルダー\n"
               "%1\n"
               "が、あなただけが使えるフォルダーになっていません\n"
               "（他のユーザーのもの、シンボリックリンク、または他のユーザーも使える設定）。\n"
               "このフォルダーを削除してから、もう一度起動してください。\n"
               "（他のユーザーのものは、管理者に削除を依頼してください。）")
        .arg(QString::fromStdString(folder));
}

bool Set(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// In a Wayland session Qt takes its Wayland platform when it is installed,
// and there the clock can neither place itself nor stay on top nor see the
// pointer. Through XWayland it can, so the X display is taken wherever one
// answers, unless the user chose a platform.
void PreferXWayland() {
    const char* session = std::getenv("XDG_SESSION_TYPE");
    const bool wayland =
        Set("WAYLAND_DISPLAY") || (session != nullptr && std::string_view(session) == "wayland");
    if (wayland && !Set("QT_QPA_PLATFORM") && Set("DISPLAY") &&
        ProbeXDisplay(std::getenv("DISPLAY"))) {
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    }
}

}  // namespace

QString ApplicationTitle() {
    return QStringLiteral("ベルモラ");
}

QString AlreadyRunningText() {
    return QStringLiteral(
        "「ベルモラ」は既に起動しています。\n"
        "タスクトレイのアイコンを右クリックすれば\n"
        "メニューを表示できます。");
}

void ShowAlreadyRunning(MessageService& messages) {
    messages.Show(ApplicationTitle().toStdString(), AlreadyRunningText().toStdString(),
                  MessageService::Icon::Information);
}

void ShowLockFolderRefused(MessageService& messages, const std::string& folder) {
    messages.Show(ApplicationTitle().toStdString(), LockFolderRefusedText(folder).toStdString(),
                  MessageService::Icon::Warning);
}

StartupContext PrepareStartup() {
    StartupContext context;
    context.Folders = PrepareFolders();
    RemoveLeftoverWakeUpProgram(context.Folders.ProgramFolder);
    const IniFile ini(context.Folders.DataFolder + kSettingsFileName);
    context.Switches = ReadStartupSettings(ini);
    return context;
}

int RunVelmora(int argc, char** argv) {
    PreferXWayland();
    BlockTerminationSignals();
    // Taken before anything else, so a second start creates no window.
    const SingleInstance instance(kInstanceName);
    QApplication app(argc, argv);
    // The name, not a display name: Qt would append a display name to every
    // window title ("ベルモラの設定 — ベルモラ").
    QApplication::setApplicationName(ApplicationTitle());
    if (!instance.Acquired()) {
        // The signals are blocked by now: without this, the box would stay
        // up through a `kill`.
        const TerminationSignals termination;
        BoxMessageService messages;
        if (instance.FolderRefused()) {
            ShowLockFolderRefused(messages, instance.Folder());
            return 1;
        }
        ShowAlreadyRunning(messages);
        return 0;
    }
    // A tray program lives on with no window open.
    QApplication::setQuitOnLastWindowClosed(false);
    BoxMessageService messages;
    return RunProgram(PrepareStartup(), messages);
}

int RunProgram(const StartupContext& context, MessageService& messages) {
    VelmoraProgram program(context, messages);
    // Ended while its windows were being created (a voice that could not be
    // loaded): there was no loop to end then, and one entered now would keep
    // a program that has given up in the tray.
    if (const std::optional<int> ended = program.EndCode()) {
        return *ended;
    }
    // Signals that came during the start are waiting and end it now.
    const TerminationSignals termination([&program] { program.End(0); });
    return QApplication::exec();
}

}  // namespace velmora
