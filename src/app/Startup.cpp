#include "app/Startup.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
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

// An X server answers on DISPLAY. Asked once: the check for a display and
// the choice of XWayland both want to know.
bool XAnswers() {
    static const bool answers = Set("DISPLAY") && ProbeXDisplay(std::getenv("DISPLAY"));
    return answers;
}

// In a Wayland session Qt takes its Wayland platform when it is installed,
// and there the clock can neither place itself nor stay on top nor see the
// pointer. Through XWayland it can, so the X display is taken wherever one
// answers, unless the user chose a platform.
void PreferXWayland() {
    const char* session = std::getenv("XDG_SESSION_TYPE");
    const bool wayland =
        Set("WAYLAND_DISPLAY") || (session != nullptr && std::string_view(session) == "wayland");
    if (wayland && !Set("QT_QPA_PLATFORM") && XAnswers()) {
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    }
}

// Qt hands a repaint to the X server in shared memory and, before painting
// again over pixels the server may not have read yet, waits for a round trip
// to the server. The second hand repaints where it just stood ten times a
// second, so every redraw waited, and woke two threads, for that answer. The
// hands' few small rectangles go through the socket as cheaply and without
// an answer. Only for this program: the programs it opens do not inherit it.
constexpr const char* kNoSharedMemory = "QT_XCB_NO_MITSHM";

// A Wayland compositor accepts connections on its socket: WAYLAND_DISPLAY
// as a path, or as a name in the session's runtime folder.
bool WaylandAnswers() {
    const char* name = std::getenv("WAYLAND_DISPLAY");
    std::string path = name != nullptr && *name != '\0' ? name : "wayland-0";
    if (path.front() != '/') {
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        if (runtime == nullptr || *runtime == '\0') {
            return false;
        }
        path = std::string(runtime) + "/" + path;
    }
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path) {
        return false;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    const bool answers =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return answers;
}

bool PlatformAnswers(std::string_view platform) {
    const std::string_view name = platform.substr(0, platform.find(':'));
    if (name == "xcb") {
        return XAnswers();
    }
    if (name.substr(0, 7) == "wayland") {
        return WaylandAnswers();
    }
    // Offscreen, vnc and the like need no display: the user's own choice.
    return true;
}

// Qt aborts with a core dump when no platform it tries can start, so the
// display each platform needs is looked for first.
bool DisplayAnswers() {
    const char* chosen = std::getenv("QT_QPA_PLATFORM");
    if (chosen == nullptr || *chosen == '\0') {
        return XAnswers() || WaylandAnswers();
    }
    std::string_view rest(chosen);
    while (!rest.empty()) {
        const size_t end = rest.find(';');
        if (PlatformAnswers(rest.substr(0, end))) {
            return true;
        }
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return false;
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
    if (!DisplayAnswers()) {
        std::fputs(
            "ベルモラ: 画面に接続できません。デスクトップのセッション（X11 または Wayland）"
            "の中で起動してください。\n",
            stderr);
        return 1;
    }
    PreferXWayland();
    BlockTerminationSignals();
    // Taken before anything else, so a second start creates no window.
    const SingleInstance instance(kInstanceName);
    const bool sharedMemoryChosen = Set(kNoSharedMemory);
    if (!sharedMemoryChosen) {
        ::setenv(kNoSharedMemory, "1", 1);
    }
    QApplication app(argc, argv);
    if (!sharedMemoryChosen) {
        ::unsetenv(kNoSharedMemory);  // read once, as the display was opened
    }
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
