#include "BannerArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>

namespace velmora::art {
namespace {

void DrawSky(QPainter& p) {
    QLinearGradient sky(0, 0, 0, kBannerHeight);
    sky.setColorAt(0.0, QColor(24, 28, 112));
    sky.setColorAt(0.55, QColor(92, 84, 190));
    sky.setColorAt(0.85, QColor(238, 150, 120));
    sky.setColorAt(1.0, QColor(255, 206, 128));
    p.fillRect(0, 0, kBannerWidth, kBannerHeight, sky);
    // A few fading stars in the still-dark part of the sky.
    constexpr std::array<QPointF, 9> stars = {QPointF(30, 10),  QPointF(88, 22),  QPointF(142, 8),
                                              QPointF(214, 18), QPointF(392, 9),  QPointF(458, 24),
                                              QPointF(512, 12), QPointF(571, 20), QPointF(610, 7)};
    p.setPen(Qt::NoPen);
    for (size_t i = 0; i < stars.size(); ++i) {
        p.setBrush(QColor(255, 255, 230, 120 + static_cast<int>(i % 3) * 45));
        p.drawEllipse(stars[i], 1.6, 1.6);
    }
}

void DrawSun(QPainter& p) {
    const QPointF centre(kBannerWidth / 2.0, kBannerHeight - 8.0);
    QRadialGradient glow(centre, 70);
    glow.setColorAt(0.0, QColor(255, 236, 160, 230));
    glow.setColorAt(1.0, QColor(255, 236, 160, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, 70, 70);
    p.setBrush(QColor(255, 214, 90));
    p.drawEllipse(centre, 26, 26);
}

void DrawHills(QPainter& p) {
    QPainterPath hills;
    hills.moveTo(0, kBannerHeight);
    hills.cubicTo(120, 52, 220, 76, 316, 64);
    hills.cubicTo(420, 52, 520, 74, kBannerWidth, 58);
    hills.lineTo(kBannerWidth, kBannerHeight);
    hills.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(34, 40, 96));
    p.drawPath(hills);
}

void DrawBell(QPainter& p, QPointF at, double size, double tilt) {
    p.save();
    p.translate(at);
    p.rotate(tilt);
    p.scale(size, size);
    QPainterPath bell;
    bell.moveTo(-10, 8);
    bell.cubicTo(-9, -2, -7, -10, 0, -11);
    bell.cubicTo(7, -10, 9, -2, 10, 8);
    bell.lineTo(12, 10);
    bell.lineTo(-12, 10);
    bell.closeSubpath();
    p.setPen(QPen(QColor(120, 80, 10), 1.2));
    p.setBrush(QColor(250, 200, 60));
    p.drawPath(bell);
    p.setBrush(QColor(120, 80, 10));
    p.drawEllipse(QPointF(0, 12), 2.5, 2.5);
    p.drawEllipse(QPointF(0, -12.5), 2, 2);
    p.restore();
}

}  // namespace

QImage DrawBanner() {
    QImage image(kBannerWidth, kBannerHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawSky(p);
    DrawSun(p);
    DrawHills(p);
    DrawBell(p, QPointF(96, 38), 1.5, -14);
    DrawBell(p, QPointF(kBannerWidth - 96, 38), 1.5, 14);
    return image;
}

}  // namespace velmora::art
