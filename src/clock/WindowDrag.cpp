#include "clock/WindowDrag.h"

#include <QWidget>
#include <QWindow>

#include "clock/ClockDesktop.h"

namespace velmora {

namespace {

// Where the pointer cannot be asked about, a drag counts as over when the
// window has not changed for this many polls.
constexpr int kQuietPollsToFinish = 10;
// After the button is up, the window's geometry counts as final once it has
// not changed for this many polls since the window manager last reported
// it...
constexpr int kSettledPolls = 4;
// ...and at the latest after this many, when no report comes: a window
// manager that reports only at the end has nothing to say about a drag that
// ended where it began.
constexpr int kMostSettlePolls = 40;

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
    switch (mode_) {
        case Mode::Idle:
            return false;
        case Mode::Manual:
            Finish();
            break;
        case Mode::System:
            // Qt hands the window a release when the window manager lets the
            // pointer go; the window itself may not have been told yet where
            // it now stands.
            BeginSettling();
            break;
        case Mode::Settling:
            break;
    }
    return true;
}

void WindowDrag::Poll() {
    const std::optional<bool> down = desktop_.LeftButtonDown();
    const QRect now = window_.geometry();
    const bool changed = now != lastGeometry_;
    lastGeometry_ = now;
    if (down.value_or(false)) {
        // A release heard while the button is still held was not the end.
        mode_ = Mode::System;
        return;
    }
    if (mode_ == Mode::Settling) {
        Settle(changed);
        return;
    }
    if (down.has_value()) {
        BeginSettling();
        return;
    }
    quietPolls_ = changed ? 0 : quietPolls_ + 1;
    if (quietPolls_ >= kQuietPollsToFinish) {
        Finish();
    }
}

void WindowDrag::BeginSettling() {
    if (!desktop_.PlacesWindows()) {
        // The window is never told where it is; there is no report to wait for.
        Finish();
        return;
    }
    mode_ = Mode::Settling;
    lastGeometry_ = window_.geometry();
    // A window that followed the drag has been told where it is as it went.
    reported_ = lastGeometry_ != startGeometry_;
    quietPolls_ = 0;
    settlePolls_ = 0;
}

void WindowDrag::Settle(bool changed) {
    if (changed) {
        reported_ = true;
        quietPolls_ = 0;
    } else {
        ++quietPolls_;
    }
    if ((reported_ && quietPolls_ >= kSettledPolls) || ++settlePolls_ >= kMostSettlePolls) {
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
