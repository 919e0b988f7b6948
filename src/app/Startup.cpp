#include "app/Startup.h"

#include <QApplication>

#include "app/MessageService.h"
#include "app/SingleInstance.h"
#include "app/TerminationSignals.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

namespace velmora {

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
    messages.Show(ApplicationTitle(), AlreadyRunningText(), MessageService::Icon::Information);
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
    BlockTerminationSignals();
    // Taken before anything else, so a second start creates no window.
    const SingleInstance instance(kInstanceName);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velmora"));
    QApplication::setApplicationDisplayName(ApplicationTitle());
    if (!instance.Acquired()) {
        BoxMessageService messages;
        ShowAlreadyRunning(messages);
        return 0;
    }
    // A tray program lives on with no window open.
    QApplication::setQuitOnLastWindowClosed(false);
    const TerminationSignals termination;
    const StartupContext context = PrepareStartup();
    Q_UNUSED(context);
    return QApplication::exec();
}

}  // namespace velmora
