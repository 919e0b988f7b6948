#include "ClockFormTestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QThread>
#include <QWheelEvent>
#include <cstdlib>

#include "support/TestEnvironment.h"

namespace velmora::test {

ClockFormFixture::ClockFormFixture() = default;

ClockFormFixture::~ClockFormFixture() = default;

void ClockFormFixture::Create() {
    const AppFolders folders{ProgramDir() + "/", data_.Path()};
    ClockWindowTimings timings;
    timings.DisplayChangeWaitMs = 100;
    timings.DragPollMs = 10;
    form_ = std::make_unique<TClockForm>(host, desktop, messages, folders, timings);
}

QWidget& ClockFormFixture::Hands() {
    return *form_->findChild<QWidget*>(QStringLiteral("ImgHari"));
}

QWidget& ClockFormFixture::StopButton() {
    return *form_->findChild<QWidget*>(QStringLiteral("ImgStopBtn"));
}

void ClockFormFixture::WriteSettings(const std::string& bytes) {
    test::WriteBytes(data_.File("Settei.ini"), bytes);
}

void ClockFormFixture::Mouse(QWidget& target, QEvent::Type type, QPoint screen,
                             Qt::MouseButton button, Qt::MouseButtons buttons) {
    const QPoint local = screen - form_->geometry().topLeft() - target.pos();
    QMouseEvent event(type, QPointF(local), QPointF(screen), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &event);
}

QPoint ClockFormFixture::OnScreen(QPoint local) const {
    return form_->geometry().topLeft() + local;
}

void ClockFormFixture::Wheel(int distance, QPoint screenPoint) {
    const QPoint local = screenPoint - form_->geometry().topLeft();
    QWheelEvent event(QPointF(local), QPointF(screenPoint), QPoint(), QPoint(0, distance),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    // Wheel events the window system delivers to the hand layer travel on to
    // the window; a synthesized one would stop at the layer.
    QCoreApplication::sendEvent(form_.get(), &event);
}

QImage ClockFormFixture::Render() {
    return form_->grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

bool WaitFor(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}

ClockTime SampleTime() {
    return ClockTimeAt(EncodeDate(2025, 5, 3) + EncodeTime(10, 8, 37, 250));
}

bool ColoursNear(QColor a, QColor b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

QString ArtifactPath(const QString& name) {
    const QString dir = QStringLiteral(VELMORA_ARTIFACT_DIR);
    QDir().mkpath(dir);
    return dir + QLatin1Char('/') + name;
}

}  // namespace velmora::test
