#include "clock/WindowDrag.h"

#include <QWidget>
#include <QWindow>

#include "clock/ClockDesktop.h"

namespace velmora {

namespace {

// Where the pointer cannot be asked about, a drag counts as over when the
// window has not changed for this many polls.
constexpr int kQuietPollsToFinish = 10;

Qt::Edges ToQtEdges(ResizeEdge edge) {
    switch (edge) {
        case ResizeEdge::Left:
            return Qt::LeftEdge;
        case ResizeEdge::Right:
            return Qt::RightEdge;
        case ResizeEdge::Top:
            return Qt::TopEdge;
        case ResizeEdge::Bottom:
            return Qt::BottomEdge;
        case ResizeEdge::None:
            break;
    }
    return {};
}

PixelRect ToPixelRect(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

}  // namespace

WindowDrag::WindowDrag(QWidget& window, ClockDesktop& desktop, int pollMs)
    : window_(window), desktop_(desktop) {
    poll_.setInterval(pollMs);
    connect(&poll_, &QTimer::timeout, this, &WindowDrag::Poll);
}

void WindowDrag::Start(ResizeEdge edge, QPoint screenPointer, std::function<void()> finished) {
    edge_ = edge;
    finished_ = std::move(finished);
    startPointer_ = screenPointer;
    startGeometry_ = window_.geometry();
    lastGeometry_ = startGeometry_;
    quietPolls_ = 0;
    QWindow* handle = window_.windowHandle();
    bool handedOver = false;
    if (handle != nullptr) {
        handedOver = edge == ResizeEdge::None ? handle->startSystemMove()
                                              : handle->startSystemResize(ToQtEdges(edge));
    }
    mode_ = handedOver ? Mode::System : Mode::Manual;
    if (handedOver) {
        poll_.start();
    }
}

bool WindowDrag::MouseMoved(QPoint screenPointer) {
    if (mode_ != Mode::Manual) {
        return false;
    }
    const QPoint delta = screenPointer - startPointer_;
    if (edge_ == ResizeEdge::None) {
        window_.move(startGeometry_.topLeft() + delta);
    } else {
        const PixelRect r =
            RectDuringEdgeDrag(ToPixelRect(startGeometry_), edge_, delta.x(), delta.y());
        window_.setGeometry(r.left, r.top, r.width, r.height);
    }
    return true;
}

bool WindowDrag::MouseReleased() {
    if (mode_ == Mode::Idle) {
        return false;
    }
    Finish();
    return true;
}

void WindowDrag::Poll() {
    const std::optional<bool> down = desktop_.LeftButtonDown();
    if (down.has_value()) {
        if (!*down) {
            Finish();
        }
        return;
    }
    const QRect now = window_.geometry();
    quietPolls_ = now == lastGeometry_ ? quietPolls_ + 1 : 0;
    lastGeometry_ = now;
    if (quietPolls_ >= kQuietPollsToFinish) {
        Finish();
    }
}

void WindowDrag::Finish() {
    poll_.stop();
    mode_ = Mode::Idle;
    // The callback may start the next drag; take it out first.
    auto finished = std::move(finished_);
    finished_ = nullptr;
    if (finished) {
        finished();
    }
}

}  // namespace velmora
