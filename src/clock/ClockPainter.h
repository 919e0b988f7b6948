#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QStaticText>

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

// The date's font in a window of the given width: the alarm label's face.
QFont DateFont(const QFont& labelFont, int windowWidth);

// The date of a day with its weekday mark, laid out once so that the many
// redraws of a day only draw it.
struct PreparedDate {
    QFont Font;
    QStaticText Text;
};
PreparedDate PrepareDate(const ClockTime& time, const QFont& dateFont);

// The hand layer of a window of the given size: the prepared date, the
// hour, minute and second hands of `time` and the centre dot, as far as they
// show in `area` (the part being repainted; what lies outside it may be
// left out or drawn).
void PaintHands(QPainter& painter, QSize window, DialColour colour, const ClockTime& time,
                const PreparedDate& date, const QRect& area);

}  // namespace velmora
