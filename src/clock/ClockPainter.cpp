#include "clock/ClockPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

#include "clock/ClockHands.h"
#include "clock/ClockLayout.h"
#include "clock/ClockMath.h"
#include "clock/DialText.h"

namespace velmora {

namespace {

QColor ToQColor(const Rgb& c) {
    return QColor(c.r, c.g, c.b);
}

// Whole-pixel coordinates name pixels; lines run through their centres.
QPointF PixelCentre(const PixelPoint& p) {
    return {p.x + 0.5, p.y + 0.5};
}

void DrawTextAt(QPainter& painter, const QFontMetrics& metrics, PixelPoint topLeft,
                const QString& text) {
    painter.drawText(QPointF(topLeft.x, topLeft.y + metrics.ascent()), text);
}

}  // namespace

QFont FontOfPoints(const QFont& base, int points) {
    QFont font(base);
    font.setPixelSize(std::max(1, PointsToPixels(points)));
    return font;
}

QImage SeeThroughBlack(const QImage& picture) {
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((row[x] & 0x00ffffffU) == 0) {
                row[x] = 0;
            }
        }
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void PaintDialNumerals(QPainter& painter, DialColour colour, const QFont& labelFont) {
    const QFont font = FontOfPoints(labelFont, 12);
    const QFontMetrics metrics(font);
    const QSize wide(metrics.horizontalAdvance(QStringLiteral("10")), metrics.height());
    const QSize narrow(metrics.horizontalAdvance(QStringLiteral("0")), metrics.height());
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(ToQColor(PaletteFor(colour).Numerals));
    for (int r = 0; r < 12; ++r) {
        // Whole halves, cut toward zero: QSize's own division would round an
        // odd size up and set the numeral a pixel off its place.
        const QSize text = DialNumeralIsWide(r) ? wide : narrow;
        const PixelPoint at = DialNumeralTopLeft(r, text.width() / 2, text.height() / 2);
        DrawTextAt(painter, metrics, at, QString::fromStdString(DialNumeralText(r)));
    }
    painter.restore();
}

QFont DateFont(const QFont& labelFont, int windowWidth) {
    return FontOfPoints(labelFont, DateTextPoints(windowWidth));
}

PreparedDate PrepareDate(const ClockTime& time, const QFont& dateFont) {
    PreparedDate date{dateFont, QStaticText(QString::fromStdString(DateText(time)))};
    date.Text.setTextFormat(Qt::PlainText);
    date.Text.setPerformanceHint(QStaticText::AggressiveCaching);
    date.Text.prepare(QTransform(), dateFont);
    return date;
}

void PaintHands(QPainter& painter, QSize window, DialColour colour, const ClockTime& time,
                const PreparedDate& date, const QRect& area) {
    const DialPalette palette = PaletteFor(colour);
    const ClockLayout layout = ComputeClockLayout(window.width(), window.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    painter.setFont(date.Font);
    painter.setPen(ToQColor(palette.Date));
    const PixelPoint at = DateTextTopLeft(layout.Width, layout.Height, layout.CentreY,
                                          static_cast<int>(std::lround(date.Text.size().width())));
    const QPointF dateAt(at.x, at.y);
    // A glyph's smoothing may reach a little past the text's box.
    const QRect dateBox = QRectF(dateAt, date.Text.size()).toAlignedRect().adjusted(-2, -2, 2, 2);
    if (area.intersects(dateBox)) {
        painter.drawStaticText(dateAt, date.Text);
    }

    const ClockHands hands = ComputeClockHands(layout, time);
    const QPointF centre = PixelCentre(hands.Centre);
    painter.setPen(QPen(ToQColor(palette.Hands), hands.HandPen, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, PixelCentre(hands.HourEnd));
    painter.drawLine(centre, PixelCentre(hands.MinuteEnd));
    painter.setPen(QPen(ToQColor(palette.Second), hands.SecondPen, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, PixelCentre(hands.SecondEnd));
    painter.drawLine(centre, PixelCentre(hands.SecondTail));

    // Filled and outlined in the same red, the dot is a disc of its box.
    painter.setPen(Qt::NoPen);
    painter.setBrush(ToQColor(palette.Second));
    painter.drawEllipse(centre, layout.DotRadius, layout.DotRadius);
    painter.restore();
}

}  // namespace velmora
