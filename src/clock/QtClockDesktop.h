#pragma once

#include <QMetaObject>
#include <QObject>
#include <vector>

#include "clock/ClockDesktop.h"

class QScreen;

namespace velmora {

// The real desktop, through Qt and what the window system tells beyond it.
class QtClockDesktop final : public QObject, public ClockDesktop {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QtClockDesktop)

public:
    explicit QtClockDesktop(QObject* parent = nullptr);

    QSize ScreenSize() const override;
    QPoint CursorPos() const override;
    bool CtrlDown() const override;
    bool Compositing() const override;
    std::optional<bool> LeftButtonDown() const override;
    bool PlacesWindows() const override;
    void WatchScreens(std::function<void()> changed) override;

private:
    void FollowPrimaryScreen();
    void Notify();

    std::function<void()> changed_;
    QMetaObject::Connection primaryGeometry_;
};

}  // namespace velmora
