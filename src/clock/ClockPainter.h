#pragma once

#include <QFont>
#include <QImage>
#include <QSize>

#include "clock/ClockTime.h"
#include "clock/DialColour.h"

class QPainter;

namespace velmora {

// `base` at a size given in points (see PointsToPixels).
QFont FontOfPoints(const QFont& base, int points);

// A 24-bit picture with black as its see-through colour, as an image with
// an alpha channel: pure black becomes transparent.
QImage SeeThroughBlack(const QImage& picture);

// The numerals of the dial, in the dial's design coordinates (200 × 226):
// twelve numbers on a circle of radius 65 around (100, 115), centred on
// their places. `labelFont` is the alarm label's font; they use it at 12
// points.
void PaintDialNumerals(QPainter& painter, DialColour colour, const QFont& labelFont);

// The hand layer of a window of the given size: the date with its weekday
// mark, the hour, minute and second hands and the centre dot.
void PaintHands(QPainter& painter, QSize window, DialColour colour, const ClockTime& time,
                const QFont& labelFont);

}  // namespace velmora
