// The cost of the clock window redrawing its hands ten times a second, as
// percent of one core, optionally beside `xclock -update 1` in the same run.
//
//   clock_draw_bench [seconds] [--xclock] [--size WIDTH]
//
// Runs on the display it is given (DISPLAY, or the offscreen platform when
// there is none). The X server's own work is counted for neither program.
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "app/BoxMessageService.h"
#include "app/ProgramFolders.h"
#include "clock/ClockPainter.h"
#include "clock/ClockSizing.h"
#include "clock/ClockWindowHost.h"
#include "clock/QtClockDesktop.h"
#include "clock/TClockForm.h"

namespace {

using namespace velmora;

// Nothing is due: no alarm, no menu, nothing to ask.
class IdleHost final : public ClockWindowHost {
public:
    bool Ringing() const override { return false; }
    bool StartupPending() const override { return false; }
    bool AlwaysOnTop() const override { return true; }
    bool ShowClock() const override { return true; }
    bool HideNearMouse() const override { return false; }
    DialColour Dial() const override { return DialColour::Gray; }
    bool SettingsDialogVisible() const override { return false; }
    bool MessageShowing() const override { return false; }
    ClockPosition& RememberedPosition() override { return position_; }
    void UpdateClockPositionMenu(const ClockPositionMenuUpdate&) override {}
    void OpenTrayMenu(QPoint) override {}
    void OpenSettings() override {}
    void StopAlarm() override {}
    void SetTickEnabled(bool) override {}

private:
    ClockPosition position_;
};

double ProcessCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// User plus system time of another process, from /proc.
std::optional<double> OtherCpuSeconds(qint64 pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line)) {
        return std::nullopt;
    }
    // Fields after the command name, which ends with the last ')'.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    unsigned long long utime = 0;
    unsigned long long stime = 0;
    for (int i = 3; fields >> field; ++i) {
        if (i == 14) {
            utime = std::stoull(field);
        } else if (i == 15) {
            stime = std::stoull(field);
            break;
        }
    }
    return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// Counts the paints of a widget.
class PaintCounter final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
    int paints = 0;
};

ClockTime Now() {
    const QDateTime now = QDateTime::currentDateTime();
    ClockTime t;
    t.Hour = now.time().hour();
    t.Minute = now.time().minute();
    t.Second = now.time().second();
    t.Millisecond = now.time().msec();
    t.Year = now.date().year();
    t.Month = now.date().month();
    t.Day = now.date().day();
    t.Weekday = now.date().dayOfWeek() % 7;
    return t;
}

// Time to paint the hand layer alone into an image, per frame.
double PaintMicroseconds(int width) {
    const QSize size(width, HeightForWidth(width));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QFont label;
    label.setBold(true);
    const PreparedDate date = PrepareDate(Now(), DateFont(label, width));
    constexpr int kFrames = 2000;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kFrames; ++i) {
        image.fill(Qt::transparent);
        QPainter painter(&image);
        ClockTime t = Now();
        t.Millisecond = (i * 100) % 1000;
        PaintHands(painter, size, DialColour::Gray, t, date, image.rect());
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1000.0 / kFrames;
}

}  // namespace

int main(int argc, char** argv) {
    int seconds = 60;
    bool withXclock = false;
    int width = 200;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--xclock") == 0) {
            withXclock = true;
        } else if (std::strcmp(argv[i], "--size") == 0 && i + 1 < argc) {
            width = std::atoi(argv[++i]);
        } else {
            seconds = std::atoi(argv[i]);
        }
    }
    if (seconds <= 0 || width < 100) {
        std::fputs("usage: clock_draw_bench [seconds] [--xclock] [--size WIDTH]\n", stderr);
        return 2;
    }
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    QApplication app(argc, argv);
    QTemporaryDir home;  // settings the window writes stay out of any real folder

    IdleHost host;
    QtClockDesktop desktop;
    BoxMessageService messages;
    const AppFolders folders{FindProgramFolder(), home.path().toStdString() + "/"};
    TClockForm form(host, desktop, messages, folders);
    form.show();
    form.resize(width, HeightForWidth(width));
    form.LayoutClock();

    // The tick without the redraw first, then with it: the difference is
    // what the redraw costs beyond waking up ten times a second.
    bool redraw = false;
    QTimer tick;
    tick.setInterval(100);
    QObject::connect(&tick, &QTimer::timeout, &form, [&form, &redraw] {
        const ClockTime now = Now();
        if (redraw) {
            form.DrawHands(now);
        }
    });
    tick.start();

    QProcess xclock;
    if (withXclock) {
        xclock.start(QStringLiteral("xclock"), {QStringLiteral("-update"), QStringLiteral("1")});
        if (!xclock.waitForStarted(5000)) {
            std::fputs("xclock did not start (Debian package x11-apps)\n", stderr);
            withXclock = false;
        }
    }

    // A local loop per phase: quitting the application would close the window.
    const auto run = [](int forSeconds) {
        QElapsedTimer wall;
        wall.start();
        QEventLoop loop;
        QTimer::singleShot(forSeconds * 1000, &loop, &QEventLoop::quit);
        loop.exec();
        return static_cast<double>(wall.nsecsElapsed()) / 1e9;
    };
    run(2);  // let both windows appear

    std::printf("platform %s, clock %dx%d, %d s for each figure\n",
                QGuiApplication::platformName().toUtf8().constData(), form.width(), form.height(),
                seconds);
    double cpu = ProcessCpuSeconds();
    double elapsed = run(seconds);
    const double idle = (ProcessCpuSeconds() - cpu) / elapsed;
    std::printf("tick alone, 10 times a second:               %.3f %% of one core\n", 100.0 * idle);

    redraw = true;
    PaintCounter counter;
    form.findChild<QWidget*>(QStringLiteral("ImgHari"))->installEventFilter(&counter);
    const std::optional<double> xclockStart =
        withXclock ? OtherCpuSeconds(xclock.processId()) : std::nullopt;
    cpu = ProcessCpuSeconds();
    elapsed = run(seconds);
    const double drawing = (ProcessCpuSeconds() - cpu) / elapsed;
    const std::optional<double> xclockEnd =
        withXclock ? OtherCpuSeconds(xclock.processId()) : std::nullopt;
    std::printf("tick with the hands redrawn, 10 times a second: %.3f %% of one core\n",
                100.0 * drawing);
    std::printf("hand layer painted %.1f times a second (window %s)\n", counter.paints / elapsed,
                form.windowHandle() != nullptr && form.windowHandle()->isExposed() ? "exposed"
                                                                                   : "not exposed");
    std::printf("the redraw's own share:                       %.3f %% of one core\n",
                100.0 * (drawing - idle));
    if (xclockStart && xclockEnd) {
        const double other = (*xclockEnd - *xclockStart) / elapsed;
        std::printf("xclock -update 1, same time:                  %.3f %% of one core\n",
                    100.0 * other);
    }
    if (counter.paints > 0) {
        std::printf("one redraw at ten a second:                   %.1f us\n",
                    (drawing - idle) * elapsed / counter.paints * 1e6);
    }
    // The same redraws back to back: what a redraw costs with the code and
    // data in the processor's caches, against the figure above, where each
    // redraw comes after a tenth of a second asleep.
    ClockTime t = Now();
    constexpr int kRedraws = 3000;
    const double before = ProcessCpuSeconds();
    for (int i = 0; i < kRedraws; ++i) {
        t.Millisecond = (t.Millisecond + 100) % 1000;
        t.Second = t.Millisecond == 0 ? (t.Second + 1) % 60 : t.Second;
        form.DrawHands(t);
    }
    std::printf("one redraw back to back, caches warm:        %.1f us\n",
                (ProcessCpuSeconds() - before) / kRedraws * 1e6);
    if (withXclock) {
        xclock.terminate();
        xclock.waitForFinished(3000);
    }
    std::printf("hand layer painted into an image: %.1f us a frame at %d px wide\n",
                PaintMicroseconds(width), width);
    return 0;
}
