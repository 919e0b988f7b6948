#include "ClockArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace velmora::art {

namespace {

constexpr QPointF kCentre(100.0, 115.0);
constexpr double kCaseRadius = 93.0;
constexpr double kBezelRadius = 90.0;
constexpr double kFaceRadius = 82.0;

struct Finish {
    QColor caseLight, caseDark, caseOutline;
    QColor metalLight, metalMid, metalDark, metalOutline;
    QColor faceCentre, faceEdge;
    QColor majorTick, minorTick;
    QColor pad;
    QColor hands;
};

Finish FinishFor(ClockFinish finish) {
    if (finish == ClockFinish::Gray) {
        return {QColor(0x78, 0x80, 0x8b), QColor(0x33, 0x38, 0x3f), QColor(0x22, 0x25, 0x2a),
                QColor(0xfb, 0xfc, 0xfe), QColor(0xb9, 0xc0, 0xc9), QColor(0x5d, 0x64, 0x6e),
                QColor(0x2c, 0x30, 0x36), QColor(0x66, 0x6c, 0x75), QColor(0x48, 0x4d, 0x55),
                QColor(0xe4, 0xe7, 0xeb), QColor(0xa6, 0xac, 0xb4), QColor(0x2a, 0x2d, 0x32),
                QColor(255, 244, 38)};
    }
    return {QColor(0xfd, 0xfb, 0xf5), QColor(0xcf, 0xc8, 0xb8), QColor(0x7b, 0x74, 0x66),
            QColor(0xff, 0xf4, 0xc8), QColor(0xd8, 0xbc, 0x68), QColor(0x8e, 0x72, 0x30),
            QColor(0x5a, 0x48, 0x1e), QColor(0xff, 0xff, 0xff), QColor(0xee, 0xec, 0xe4),
            QColor(0x80, 0x80, 0x80), QColor(0xb4, 0xb4, 0xb4), QColor(0x6e, 0x5c, 0x2a),
            QColor(196, 189, 108)};
}

QPointF Polar(double degreesFromTop, double radius) {
    const double a = qDegreesToRadians(degreesFromTop);
    return {kCentre.x() + std::sin(a) * radius, kCentre.y() - std::cos(a) * radius};
}

// A polished metal surface lit from the upper left.
QBrush MetalBrush(const Finish& f, const QPointF& centre, double radius) {
    QRadialGradient g(centre, radius * 1.35, centre + QPointF(-radius * 0.45, -radius * 0.5));
    g.setColorAt(0.0, f.metalLight);
    g.setColorAt(0.45, f.metalMid);
    g.setColorAt(1.0, f.metalDark);
    return g;
}

// One bell: a dome standing on the case, tilted outward by `tilt` degrees.
void PaintBell(QPainter& p, const Finish& f, double tilt) {
    const QPointF base = Polar(tilt, 86.0);
    p.save();
    p.translate(base);
    p.rotate(tilt);
    constexpr double r = 34.0;
    QPainterPath dome;
    dome.moveTo(-r, 0.0);
    dome.arcTo(QRectF(-r, -r, 2 * r, 2 * r), 180.0, -180.0);
    dome.closeSubpath();
    p.setPen(QPen(f.metalOutline, 1.4));
    p.setBrush(MetalBrush(f, QPointF(0.0, -r * 0.4), r));
    p.drawPath(dome);
    // The rolled lip at the dome's mouth.
    p.setBrush(f.metalMid);
    p.drawRoundedRect(QRectF(-r - 2.5, -3.0, 2 * r + 5.0, 5.0), 2.5, 2.5);
    // The finial on top.
    p.setBrush(MetalBrush(f, QPointF(0.0, -r - 4.0), 5.0));
    p.drawEllipse(QPointF(0.0, -r - 3.0), 4.2, 4.2);
    // A soft reflection across the dome.
    QPainterPath shine;
    shine.moveTo(-r * 0.62, -r * 0.45);
    shine.quadTo(-r * 0.35, -r * 0.92, r * 0.1, -r * 0.93);
    p.setPen(QPen(QColor(255, 255, 255, 150), 3.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shine);
    p.restore();
}

// One foot: a tapered leg ending in a rounded pad.
void PaintFoot(QPainter& p, const Finish& f, double side) {
    const QPointF top = Polar(180.0 - side * 38.0, 84.0);
    const QPointF foot(kCentre.x() + side * 72.0, 217.5);
    const QPointF along = foot - top;
    const double length = std::hypot(along.x(), along.y());
    const QPointF normal(-along.y() / length, along.x() / length);
    QPainterPath leg;
    leg.moveTo(top + normal * 8.0);
    leg.lineTo(foot + normal * 4.0);
    leg.lineTo(foot - normal * 4.0);
    leg.lineTo(top - normal * 8.0);
    leg.closeSubpath();
    p.setPen(QPen(f.metalOutline, 1.2));
    p.setBrush(MetalBrush(f, foot + QPointF(-side * 4.0, -14.0), 22.0));
    p.drawPath(leg);
    QLinearGradient pad(foot + QPointF(0.0, -5.0), foot + QPointF(0.0, 6.0));
    pad.setColorAt(0.0, f.pad.lighter(170));
    pad.setColorAt(1.0, f.pad);
    p.setBrush(pad);
    p.drawEllipse(foot + QPointF(0.0, 1.5), 10.5, 5.0);
}

void PaintCase(QPainter& p, const Finish& f) {
    QLinearGradient body(kCentre + QPointF(-kCaseRadius, -kCaseRadius),
                         kCentre + QPointF(kCaseRadius, kCaseRadius));
    body.setColorAt(0.0, f.caseLight);
    body.setColorAt(1.0, f.caseDark);
    p.setPen(QPen(f.caseOutline, 1.6));
    p.setBrush(body);
    p.drawEllipse(kCentre, kCaseRadius, kCaseRadius);

    // The bezel: a metal ring between the case and the glass.
    QPainterPath ring;
    ring.addEllipse(kCentre, kBezelRadius, kBezelRadius);
    ring.addEllipse(kCentre, kFaceRadius, kFaceRadius);
    QConicalGradient metal(kCentre, 135.0);
    metal.setColorAt(0.0, f.metalLight);
    metal.setColorAt(0.25, f.metalMid);
    metal.setColorAt(0.5, f.metalDark);
    metal.setColorAt(0.75, f.metalMid);
    metal.setColorAt(1.0, f.metalLight);
    p.setPen(Qt::NoPen);
    p.setBrush(metal);
    p.drawPath(ring);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(f.metalOutline, 1.0));
    p.drawEllipse(kCentre, kBezelRadius, kBezelRadius);
}

void PaintFace(QPainter& p, const Finish& f, bool minuteTicks) {
    QRadialGradient face(kCentre, kFaceRadius, kCentre + QPointF(-18.0, -22.0));
    face.setColorAt(0.0, f.faceCentre);
    face.setColorAt(1.0, f.faceEdge);
    p.setPen(QPen(f.metalOutline, 1.0));
    p.setBrush(face);
    p.drawEllipse(kCentre, kFaceRadius, kFaceRadius);

    // Inner shadow under the bezel gives the face some depth.
    QRadialGradient shade(kCentre, kFaceRadius);
    shade.setColorAt(0.88, QColor(0, 0, 0, 0));
    shade.setColorAt(1.0, QColor(0, 0, 0, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(kCentre, kFaceRadius, kFaceRadius);

    for (int i = 0; i < 60; ++i) {
        const bool major = i % 5 == 0;
        if (!major && !minuteTicks) {
            continue;
        }
        const double angle = i * 6.0;
        p.setPen(QPen(major ? f.majorTick : f.minorTick, major ? 2.4 : 1.1, Qt::SolidLine,
                      Qt::RoundCap));
        p.drawLine(Polar(angle, 79.0), Polar(angle, major ? 73.5 : 76.5));
    }
}

void PaintHands(QPainter& p, const Finish& f) {
    // Ten past ten, the hands framing the face.
    p.setPen(QPen(f.hands.darker(130), 9.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(kCentre, Polar(305.0, 46.0));
    p.drawLine(kCentre, Polar(60.0, 64.0));
    p.setPen(QPen(f.hands, 7.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(kCentre, Polar(305.0, 46.0));
    p.drawLine(kCentre, Polar(60.0, 64.0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 20, 20));
    p.drawEllipse(kCentre, 8.0, 8.0);
}

void PaintGlass(QPainter& p) {
    // A faint reflection on the glass over the upper left of the face.
    QPainterPath glare;
    glare.addEllipse(kCentre, kFaceRadius - 2.0, kFaceRadius - 2.0);
    QPainterPath cut;
    cut.addEllipse(kCentre + QPointF(16.0, 20.0), kFaceRadius, kFaceRadius);
    QLinearGradient g(kCentre + QPointF(-60.0, -60.0), kCentre);
    g.setColorAt(0.0, QColor(255, 255, 255, 46));
    g.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(glare.subtracted(cut));
}

}  // namespace

void PaintAlarmClock(QPainter& painter, const ClockArtOptions& options) {
    const Finish f = FinishFor(options.Finish);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    PaintFoot(painter, f, -1.0);
    PaintFoot(painter, f, 1.0);
    PaintBell(painter, f, -42.0);
    PaintBell(painter, f, 42.0);
    PaintCase(painter, f);
    PaintFace(painter, f, options.MinuteTicks);
    if (options.Hands) {
        PaintHands(painter, f);
    }
    PaintGlass(painter);
    painter.restore();
}

}  // namespace velmora::art
