#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QTimer>
#include <functional>

#include "clock/ClockSizing.h"

class QWidget;

namespace velmora {

class ClockDesktop;

// One interactive move or edge resize of a frameless window. The window
// manager does it where it can; the end of its drag is not reported to the
// window, so the pointer is watched until the button is up. Some window
// managers (openbox) tell the window where it went only after that, so the
// drag ends once that report has come. Where the window system cannot move
// or size windows itself, the window follows the mouse events it is given.
class WindowDrag final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WindowDrag)

public:
    WindowDrag(QWidget& window, ClockDesktop& desktop, int pollMs);

    // Starts a move (edge None) or a resize from `edge`; `finished` runs once
    // when the button has been let go and the window stands where the window
    // manager put it.
    void Start(ResizeEdge edge, QPoint screenPointer, std::function<void()> finished);
    bool Active() const { return mode_ != Mode::Idle; }

    // Mouse events of the window while a drag is active; true when used.
    bool MouseMoved(QPoint screenPointer);
    bool MouseReleased();

private:
    // System: the window manager drags; Settling: the button is up and the
    // window manager's last word on the geometry is awaited.
    enum class Mode { Idle, System, Settling, Manual };

    void Poll();
    void BeginSettling();
    void Settle(bool changed);
    void Finish();

    QWidget& window_;
    ClockDesktop& desktop_;
    QTimer poll_;
    Mode mode_ = Mode::Idle;
    ResizeEdge edge_ = ResizeEdge::None;
    QPoint startPointer_;
    QRect startGeometry_;
    QRect lastGeometry_;
    int quietPolls_ = 0;
    int settlePolls_ = 0;
    bool reported_ = false;
    std::function<void()> finished_;
};

}  // namespace velmora
