#include "StopArt.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace velmora::art {

namespace {

constexpr double kShownHeight = 25.0;  // height of the box at the dial's design size
constexpr int kWidth = 50;
constexpr int kHeight = 64;

}  // namespace

QImage PaintStopImage() {
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // Draw in the coordinates of the box as shown.
    p.scale(1.0, kHeight / kShownHeight);

    // The plunger stem, disappearing into the case.
    QLinearGradient stem(18.0, 0.0, 32.0, 0.0);
    stem.setColorAt(0.0, QColor(0x6b, 0x72, 0x7c));
    stem.setColorAt(0.4, QColor(0xf4, 0xf6, 0xf9));
    stem.setColorAt(1.0, QColor(0x55, 0x5b, 0x64));
    p.setPen(QPen(QColor(0x2c, 0x30, 0x36), 0.8));
    p.setBrush(stem);
    p.drawRect(QRectF(18.5, 12.0, 13.0, 14.0));

    // The red cap.
    const QRectF cap(3.0, 1.0, 44.0, 13.5);
    QLinearGradient red(0.0, cap.top(), 0.0, cap.bottom());
    red.setColorAt(0.0, QColor(0xff, 0x7a, 0x6e));
    red.setColorAt(0.45, QColor(0xe8, 0x24, 0x1a));
    red.setColorAt(1.0, QColor(0x9e, 0x10, 0x0a));
    p.setPen(QPen(QColor(0x5c, 0x08, 0x04), 0.9));
    p.setBrush(red);
    p.drawRoundedRect(cap, 6.0, 4.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawRoundedRect(QRectF(7.0, 2.0, 36.0, 3.2), 1.6, 1.2);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(9);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
    QPainterPath text;
    text.addText(0.0, 0.0, font, QStringLiteral("STOP"));
    const QRectF bounds = text.boundingRect();
    text.translate(cap.center() - bounds.center());
    p.setPen(QPen(QColor(0x5c, 0x08, 0x04, 160), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text.translated(0.0, 0.4));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(text);
    return image;
}

}  // namespace velmora::art
