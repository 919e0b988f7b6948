#include "DesktopUser.h"

#include <QProcess>
#include <chrono>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

using std::chrono::milliseconds;

const QString kDialogTitle = QStringLiteral("ベルモラの設定");

// The OK button's centre from the dialog's bottom-right corner: OK sits left
// of キャンセル at the right end of the bottom row.
constexpr int kOkFromRight = 147;
constexpr int kOkFromBottom = 20;
// "時計を常に最前面にする" on the first page, from the dialog's top-left corner.
constexpr int kFrontBoxX = 80;
constexpr int kFrontBoxY = 270;

int CountLines(const std::string& text) {
    int lines = 0;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines += line.empty() ? 0 : 1;
    }
    return lines;
}

int ValueAfter(const std::string& text, const std::string& label) {
    const std::size_t at = text.find(label);
    return at == std::string::npos ? -1 : std::atoi(text.c_str() + at + label.size());
}

// "     3 children:" (or "1 child:") in xwininfo's listing.
int ChildCount(const std::string& listing) {
    const std::size_t at = listing.find(" child");
    if (at == std::string::npos) {
        return -1;
    }
    const std::size_t start = listing.find_last_not_of("0123456789", at - 1);
    return std::atoi(listing.c_str() + (start == std::string::npos ? 0 : start + 1));
}

}  // namespace

std::string RunTool(const QString& program, const QStringList& arguments) {
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForFinished(10000) || tool.exitStatus() != QProcess::NormalExit) {
        tool.kill();
        tool.waitForFinished(1000);
        return {};
    }
    return tool.readAllStandardOutput().toStdString();
}

DesktopUser::Box DesktopUser::Geometry(long id) const {
    const std::string info =
        RunTool(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(id)});
    Box box;
    box.Id = id;
    box.X = ValueAfter(info, "Absolute upper-left X:");
    box.Y = ValueAfter(info, "Absolute upper-left Y:");
    box.Width = ValueAfter(info, "Width:");
    box.Height = ValueAfter(info, "Height:");
    box.Found = box.Width > 0 && box.Height > 0;
    return box;
}

DesktopUser::Box DesktopUser::ClockWindow() const {
    std::istringstream ids(RunTool(QStringLiteral("xdotool"),
                                   {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                    QStringLiteral("--pid"), QString::number(pid_)}));
    for (long id = 0; ids >> id;) {
        const std::string name = RunTool(QStringLiteral("xdotool"),
                                         {QStringLiteral("getwindowname"), QString::number(id)});
        if (QString::fromStdString(name).trimmed() == kDialogTitle) {
            continue;
        }
        const Box box = Geometry(id);
        // The tray icon is a small window of its own.
        if (box.Found && box.Width >= 100) {
            return box;
        }
    }
    return {};
}

DesktopUser::Box DesktopUser::SettingsDialog() const {
    std::istringstream ids(
        RunTool(QStringLiteral("xdotool"),
                {QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
                 QStringLiteral("--pid"), QString::number(pid_), QStringLiteral("--name"),
                 QLatin1Char('^') + kDialogTitle + QLatin1Char('$')}));
    long id = 0;
    return ids >> id ? Geometry(id) : Box{};
}

void DesktopUser::PressEscape() const {
    RunTool(QStringLiteral("xdotool"),
            {QStringLiteral("keydown"), QStringLiteral("Escape"), QStringLiteral("sleep"),
             QStringLiteral("0.4"), QStringLiteral("keyup"), QStringLiteral("Escape")});
}

bool DesktopUser::ConfirmSettings() const {
    const Box clock = ClockWindow();
    if (!clock.Found) {
        return false;
    }
    RunTool(QStringLiteral("xdotool"),
            {QStringLiteral("mousemove"), QString::number(clock.X + clock.Width / 2),
             QString::number(clock.Y + clock.Height / 2), QStringLiteral("click"),
             QStringLiteral("--repeat"), QStringLiteral("2"), QStringLiteral("--delay"),
             QStringLiteral("80"), QStringLiteral("1")});
    Box dialog;
    if (!WaitFor(milliseconds(5000), [&] { return (dialog = SettingsDialog()).Found; })) {
        return false;
    }
    // Its widgets are laid out once it is shown; give it a moment.
    std::this_thread::sleep_for(milliseconds(500));
    // The dialog re-arms the alarm only when something in it was touched:
    // a check box off and on again leaves every value as it was.
    RunTool(QStringLiteral("xdotool"),
            {QStringLiteral("mousemove"), QString::number(dialog.X + kFrontBoxX),
             QString::number(dialog.Y + kFrontBoxY), QStringLiteral("click"),
             QStringLiteral("--repeat"), QStringLiteral("2"), QStringLiteral("--delay"),
             QStringLiteral("400"), QStringLiteral("1")});
    RunTool(QStringLiteral("xdotool"),
            {QStringLiteral("mousemove"), QString::number(dialog.X + dialog.Width - kOkFromRight),
             QString::number(dialog.Y + dialog.Height - kOkFromBottom), QStringLiteral("click"),
             QStringLiteral("1"), QStringLiteral("mousemove"), QStringLiteral("0"),
             QStringLiteral("0")});
    return WaitFor(milliseconds(5000), [&] { return !SettingsDialog().Found; });
}

DesktopUser::Footprint DesktopUser::Measure() const {
    Footprint f;
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
    for (std::string line; std::getline(status, line);) {
        const auto field = [&line](const char* name, long* value) {
            const std::size_t length = std::strlen(name);
            if (line.compare(0, length, name) == 0) {
                *value = std::atol(line.c_str() + length);
            }
        };
        field("VmRSS:", &f.ResidentKiB);
        field("RssAnon:", &f.AnonKiB);
        field("RssFile:", &f.FileKiB);
        field("RssShmem:", &f.ShmemKiB);
    }
    const QString pid = QString::number(pid_);
    f.Windows = CountLines(RunTool(QStringLiteral("xdotool"),
                                   {QStringLiteral("search"), QStringLiteral("--pid"), pid}));
    f.ShownWindows = CountLines(RunTool(
        QStringLiteral("xdotool"),
        {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"), pid}));
    f.RootChildren = ChildCount(RunTool(QStringLiteral("xwininfo"),
                                        {QStringLiteral("-root"), QStringLiteral("-children")}));
    const auto count = [](const char* what) {
        return CountLines(
            RunTool(QStringLiteral("pactl"),
                    {QStringLiteral("list"), QStringLiteral("short"), QString::fromLatin1(what)}));
    };
    f.SinkInputs = count("sink-inputs");
    f.SourceOutputs = count("source-outputs");
    f.Clients = count("clients");
    return f;
}
