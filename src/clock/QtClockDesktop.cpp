#include "clock/QtClockDesktop.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include "clock/WindowSystemProbe.h"

namespace velmora {

QtClockDesktop::QtClockDesktop(QObject* parent) : QObject(parent) {}

QSize QtClockDesktop::ScreenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().size() : QSize(0, 0);
}

QPoint QtClockDesktop::CursorPos() const {
    return QCursor::pos();
}

bool QtClockDesktop::CtrlDown() const {
    // Asks the window system, so it also works while the clock has no focus.
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
}

bool QtClockDesktop::Compositing() const {
    return ProbeCompositing();
}

std::optional<bool> QtClockDesktop::LeftButtonDown() const {
    return ProbeLeftButtonDown();
}

bool QtClockDesktop::PlacesWindows() const {
    return !QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
}

void QtClockDesktop::WatchScreens(std::function<void()> changed) {
    changed_ = std::move(changed);
    auto* app = qGuiApp;
    connect(app, &QGuiApplication::screenAdded, this, &QtClockDesktop::Notify);
    connect(app, &QGuiApplication::screenRemoved, this, &QtClockDesktop::Notify);
    connect(app, &QGuiApplication::primaryScreenChanged, this, [this] {
        FollowPrimaryScreen();
        Notify();
    });
    FollowPrimaryScreen();
}

void QtClockDesktop::FollowPrimaryScreen() {
    disconnect(primaryGeometry_);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        primaryGeometry_ =
            connect(screen, &QScreen::geometryChanged, this, &QtClockDesktop::Notify);
    }
}

void QtClockDesktop::Notify() {
    if (changed_) {
        changed_();
    }
}

}  // namespace velmora
