#include "IconArt.h"

#include <QPainter>
#include <QPainterPath>

#include "ClockArt.h"

namespace velmora::art {

namespace {

constexpr double kArtWidth = 200.0;
constexpr double kArtHeight = 226.0;

// The clock scaled to `height` with its top-left corner at `origin`.
void PaintClockAt(QPainter& p, QPointF origin, double height, int size) {
    p.save();
    p.translate(origin);
    p.scale(height / kArtHeight, height / kArtHeight);
    ClockArtOptions options;
    options.Hands = true;
    options.MinuteTicks = size >= 48;
    PaintAlarmClock(p, options);
    p.restore();
}

// Short arcs beside the bells: the clock is ringing.
void PaintRingMarks(QPainter& p, double s) {
    QPen pen(QColor(0xff, 0x8c, 0x00), std::max(1.2, s / 14.0), Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    for (const double side : {-1.0, 1.0}) {
        const QPointF c(s * 0.5 + side * s * 0.30, s * 0.30);
        for (const double r : {s * 0.13, s * 0.23}) {
            const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
            const double start = side < 0 ? 110.0 : 20.0;
            p.drawArc(box, static_cast<int>(start * 16), 50 * 16);
        }
    }
}

// "Zz" at the upper right: the alarm sleeps a little and rings again.
void PaintSnoozeMark(QPainter& p, double s) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    QPainterPath marks;
    font.setPixelSize(std::max(6, static_cast<int>(s * 0.46)));
    marks.addText(s * 0.52, s * 0.40, font, QStringLiteral("Z"));
    font.setPixelSize(std::max(5, static_cast<int>(s * 0.30)));
    marks.addText(s * 0.80, s * 0.22, font, QStringLiteral("z"));
    p.setPen(QPen(Qt::white, std::max(1.0, s / 16.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0x1e, 0x6b, 0xff));
    p.drawPath(marks);
    p.setPen(Qt::NoPen);
    p.drawPath(marks);
}

}  // namespace

QImage PaintIcon(IconKind kind, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    switch (kind) {
        case IconKind::Program: {
            const double h = s;
            PaintClockAt(p, QPointF((s - h * kArtWidth / kArtHeight) / 2.0, 0.0), h, size);
            break;
        }
        case IconKind::Alarm: {
            const double h = s * 0.84;
            PaintClockAt(p, QPointF((s - h * kArtWidth / kArtHeight) / 2.0, s - h), h, size);
            PaintRingMarks(p, s);
            break;
        }
        case IconKind::Snooze: {
            const double h = s * 0.82;
            PaintClockAt(p, QPointF(0.0, s - h), h, size);
            PaintSnoozeMark(p, s);
            break;
        }
    }
    return image;
}

}  // namespace velmora::art
