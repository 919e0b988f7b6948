#pragma once

#include "clock/PixelGeometry.h"

namespace velmora {

// Sizes after a wheel step or an edge drag. The window keeps the dial's
// aspect; there is no maximum.
inline constexpr int kMinDragWidth = 100;
inline constexpr int kMinHeight = 130;
inline constexpr int kWheelStep = 20;
// One notch of a wheel as the window system reports it.
inline constexpr int kWheelNotch = 120;

int HeightForWidth(int width);
int WidthForHeight(int height);

// A wheel turned toward the user grows the clock by one step, away from the
// user shrinks it, down to the minimum height.
PixelSize SizeAfterWheel(PixelSize current, bool towardUser);

// Collects wheel distances (negative = toward the user) into whole notches,
// so a smooth-scrolling touchpad resizes no faster than a notched wheel.
class WheelNotches {
public:
    // The whole notches completed by this distance, signed like it.
    int Add(int distance);

private:
    int pending_ = 0;
};

// The sizing directions of the window system; the values are its own.
enum class ResizeEdge { None = 0, Left = 1, Right = 2, Top = 3, Bottom = 6 };

// The zone under client point (x, y) of a w × h clock. The zones are tested
// left, right, top, bottom, a later match winning.
ResizeEdge ResizeZoneAt(int x, int y, int w, int h);

enum class ZoneCursor { Arrow, Horizontal, Vertical };
ZoneCursor CursorForZone(ResizeEdge edge);

// The size the clock takes when a drag of `edge` has left it at `dragged`:
// the minimums first, then the aspect from the dragged dimension.
PixelSize SizeAfterEdgeDrag(PixelSize dragged, ResizeEdge edge);

// A drag moves the window only when the pointer is still close to where the
// button went down (less than 3 pixels away in x or in y).
bool DragStartsMove(PixelPoint origin, PixelPoint pointer);

// The window rectangle while `edge` is dragged by (dx, dy) from `start`,
// for window systems that cannot size a window interactively themselves.
// Never smaller than one pixel.
PixelRect RectDuringEdgeDrag(const PixelRect& start, ResizeEdge edge, int dx, int dy);

// The window's screen rectangle including its right and bottom edges, as
// the wheel and the mouse-hide rule test it.
bool InsideWindowRect(const PixelRect& window, PixelPoint screenPoint);

}  // namespace velmora
