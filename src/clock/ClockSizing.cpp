#include "clock/ClockSizing.h"

#include <algorithm>
#include <cstdlib>

#include "clock/ClockLayout.h"
#include "clock/ClockMath.h"

namespace velmora {

int HeightForWidth(int width) {
    return RoundRatio(static_cast<long long>(width) * kDesignHeight, kDesignWidth);
}

int WidthForHeight(int height) {
    return RoundRatio(static_cast<long long>(height) * kDesignWidth, kDesignHeight);
}

PixelSize SizeAfterWheel(PixelSize current, bool towardUser) {
    int height = current.height + (towardUser ? kWheelStep : -kWheelStep);
    height = std::max(height, kMinHeight);
    return {WidthForHeight(height), height};
}

int WheelNotches::Add(int distance) {
    if ((pending_ < 0 && distance > 0) || (pending_ > 0 && distance < 0)) {
        pending_ = 0;  // turning back starts a fresh notch
    }
    pending_ += distance;
    const int notches = pending_ / kWheelNotch;
    pending_ -= notches * kWheelNotch;
    return notches;
}

ResizeEdge ResizeZoneAt(int x, int y, int w, int h) {
    const bool middleRows = h / 2 - 15 <= y && y <= h / 2 + 15;
    const bool middleColumns = w / 2 - 15 <= x && x <= w / 2 + 15;
    ResizeEdge zone = ResizeEdge::None;
    if (0 <= x && x <= w / 5 && middleRows) {
        zone = ResizeEdge::Left;
    }
    if (w - w / 5 <= x && x <= w && middleRows) {
        zone = ResizeEdge::Right;
    }
    if (middleColumns && 0 <= y && y <= 20) {
        zone = ResizeEdge::Top;
    }
    if (middleColumns && h - h / 5 <= y && y <= h) {
        zone = ResizeEdge::Bottom;
    }
    return zone;
}

ZoneCursor CursorForZone(ResizeEdge edge) {
    switch (edge) {
        case ResizeEdge::Left:
        case ResizeEdge::Right:
            return ZoneCursor::Horizontal;
        case ResizeEdge::Top:
        case ResizeEdge::Bottom:
            return ZoneCursor::Vertical;
        case ResizeEdge::None:
            break;
    }
    return ZoneCursor::Arrow;
}

PixelSize SizeAfterEdgeDrag(PixelSize dragged, ResizeEdge edge) {
    PixelSize size{std::max(dragged.width, kMinDragWidth), std::max(dragged.height, kMinHeight)};
    if (edge == ResizeEdge::Top || edge == ResizeEdge::Bottom) {
        size.width = WidthForHeight(size.height);
    } else {
        size.height = HeightForWidth(size.width);
    }
    return size;
}

bool DragStartsMove(PixelPoint origin, PixelPoint pointer) {
    return !(std::abs(pointer.x - origin.x) >= 3 && std::abs(pointer.y - origin.y) >= 3);
}

PixelRect RectDuringEdgeDrag(const PixelRect& start, ResizeEdge edge, int dx, int dy) {
    PixelRect r = start;
    switch (edge) {
        case ResizeEdge::Left:
            r.width = std::max(1, start.width - dx);
            r.left = start.left + start.width - r.width;
            break;
        case ResizeEdge::Right:
            r.width = std::max(1, start.width + dx);
            break;
        case ResizeEdge::Top:
            r.height = std::max(1, start.height - dy);
            r.top = start.top + start.height - r.height;
            break;
        case ResizeEdge::Bottom:
            r.height = std::max(1, start.height + dy);
            break;
        case ResizeEdge::None:
            break;
    }
    return r;
}

bool InsideWindowRect(const PixelRect& window, PixelPoint p) {
    return window.left <= p.x && p.x <= window.left + window.width && window.top <= p.y &&
           p.y <= window.top + window.height;
}

}  // namespace velmora
