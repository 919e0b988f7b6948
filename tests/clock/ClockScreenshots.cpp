// Shows the clock window on a real X display over a striped backdrop and
// photographs the screen: both dials at 200 and 400 pixels wide and the
// ringing clock. Checks that the backdrop shows through around the clock and
// that the clock itself is drawn. Run by screenshots.sh on a private Xvfb,
// once without and once with a compositing manager.
//
//   clock_screenshots plain|composited ARTIFACT_DIR
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "ClockFormTestSupport.h"
#include "clock/ClockSizing.h"
#include "clock/QtClockDesktop.h"
#include "clock/TClockForm.h"
#include "support/TestEnvironment.h"

namespace {

using namespace velmora;

const QColor kStripeA(0x2a, 0x9d, 0x8f);
const QColor kStripeB(0xe9, 0xc4, 0x6a);
constexpr int kStripe = 16;

// Vertical stripes over the whole screen, under everything else.
class Backdrop final : public QWidget {
public:
    Backdrop() : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        for (int x = 0; x < width(); x += kStripe) {
            p.fillRect(x, 0, kStripe, height(), (x / kStripe) % 2 == 0 ? kStripeA : kStripeB);
        }
    }
};

QColor StripeAt(int screenX) {
    return (screenX / kStripe) % 2 == 0 ? kStripeA : kStripeB;
}

void Settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

int failures = 0;

void Check(bool ok, const QString& what) {
    if (!ok) {
        ++failures;
        std::fprintf(stderr, "FAILED: %s\n", what.toUtf8().constData());
    }
}

// Photographs the clock with a margin of backdrop and checks the pixels.
void Shoot(TClockForm& form, const QString& path, bool composited) {
    Settle(700);
    const QRect r = form.geometry().adjusted(-12, -12, 12, 12);
    const QImage shot = QGuiApplication::primaryScreen()
                            ->grabWindow(0, r.x(), r.y(), r.width(), r.height())
                            .toImage();
    Check(shot.save(path), QStringLiteral("saving ") + path);
    const QPoint corner = form.geometry().topLeft() + QPoint(1, 1);  // outside the clock's shape
    Check(test::ColoursNear(shot.pixelColor(corner - r.topLeft()), StripeAt(corner.x()), 3),
          path + QStringLiteral(": the backdrop shows through at the clock's corner"));
    const ClockLayout layout = form.Layout();
    const QPoint centre = form.geometry().topLeft() + QPoint(layout.CentreX, layout.CentreY);
    const QColor dot = shot.pixelColor(centre - r.topLeft());
    // The dot is red; where the window is blended at 240/255 a trace of the
    // backdrop mixes in.
    Check(dot.red() > 225 && dot.green() < 40 && dot.blue() < 40,
          path + QStringLiteral(": the centre dot is red, not ") + dot.name());
    Check(form.UsesShapeMask() != composited,
          path + QStringLiteral(": the shape mask is used exactly without compositing"));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 ||
        (std::strcmp(argv[1], "plain") != 0 && std::strcmp(argv[1], "composited") != 0)) {
        std::fputs("usage: clock_screenshots plain|composited ARTIFACT_DIR\n", stderr);
        return 2;
    }
    test::IsolateEnvironment(test::TestHomeFor(argv[0]));
    const bool composited = std::strcmp(argv[1], "composited") == 0;
    QApplication app(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);
    QTemporaryDir data;

    Backdrop backdrop;
    backdrop.setGeometry(QGuiApplication::primaryScreen()->geometry());
    backdrop.show();

    test::FakeClockWindowHost host;
    QtClockDesktop desktop;
    test::FakeMessageService messages;
    const AppFolders folders{test::ProgramDir() + "/", data.path().toStdString() + "/"};
    TClockForm form(host, desktop, messages, folders);
    Check(desktop.Compositing() == composited,
          QStringLiteral("the compositing manager is seen exactly when it runs"));
    form.DrawHands(test::SampleTime());
    form.show();

    for (const test::DialShot& shot : test::kDialShots) {
        form.LoadDial(shot.colour);
        form.setGeometry(100, 80, shot.width, HeightForWidth(shot.width));
        form.LayoutClock();
        Shoot(form,
              out + QStringLiteral("/screen-%1-%2.png")
                        .arg(QLatin1String(shot.name), QLatin1String(argv[1])),
              composited);
    }
    host.ringing = true;
    form.LoadDial(DialColour::Gray);
    form.SetAlarmLabel(QStringLiteral("ALARM ON"));
    form.EnlargeForRinging();
    Shoot(form, out + QStringLiteral("/screen-ringing-%1.png").arg(QLatin1String(argv[1])),
          composited);

    if (failures == 0) {
        std::printf("clock_screenshots %s: pictures in %s\n", argv[1], argv[2]);
    }
    return failures == 0 ? 0 : 1;
}
