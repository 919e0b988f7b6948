#include "clock/ClockFace.h"

#include <QBitmap>
#include <QPainter>
#include <algorithm>

#include "clock/ClockLayout.h"
#include "clock/ClockPainter.h"

namespace velmora {

namespace {

// Stands in for a missing dial picture: a plain face of the right colour.
QImage PlainDial(DialColour colour) {
    QImage image(kDesignWidth, kDesignHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 3.0));
    p.setBrush(colour == DialColour::Gray ? QColor(0x55, 0x5a, 0x62) : QColor(0xf8, 0xf8, 0xf4));
    p.drawEllipse(QPointF(kDesignCentreX, kDesignCentreY), 88.0, 88.0);
    return image;
}

// Stretching a picture whose pixels are either see-through or not leaves
// the clock's outline as a blurred staircase. The stretched alpha is a
// smooth field whose half-way line follows the outline closely; steepening
// it around that line gives a crisp, smooth edge about one pixel wide.
void SharpenOutline(QImage& image, double scale) {
    if (scale <= 1.0) {
        return;
    }
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int a = qAlpha(row[x]);
            if (a == 0 || a == 255) {
                continue;
            }
            const double steep = std::clamp((a / 255.0 - 0.5) * scale + 0.5, 0.0, 1.0);
            const double gain = steep * 255.0 / a;
            const auto channel = [gain](int c) {
                return std::min(255, static_cast<int>(c * gain + 0.5));
            };
            const int newAlpha = static_cast<int>(steep * 255.0 + 0.5);
            row[x] = qRgba(std::min(channel(qRed(row[x])), newAlpha),
                           std::min(channel(qGreen(row[x])), newAlpha),
                           std::min(channel(qBlue(row[x])), newAlpha), newAlpha);
        }
    }
}

}  // namespace

bool ClockFace::Load(const std::string& programFolder, DialColour colour) {
    colour_ = colour;
    const QImage picture(QString::fromStdString(programFolder + DialBitmapFile(colour)));
    dial_ = picture.isNull() ? PlainDial(colour) : SeeThroughBlack(picture);
    numerals_ = false;
    Invalidate();
    return !picture.isNull();
}

void ClockFace::DrawNumerals(const QFont& labelFont) {
    numeralFont_ = labelFont;
    numerals_ = true;
    Invalidate();
}

void ClockFace::Render(QSize size) {
    if (!rendered_.isNull() && rendered_.size() == size) {
        return;
    }
    rendered_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    rendered_.fill(Qt::transparent);
    if (size.isEmpty()) {
        return;
    }
    QPainter p(&rendered_);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(QPoint(0, 0), size), dial_);
    p.end();
    SharpenOutline(rendered_, std::min(static_cast<double>(size.width()) / dial_.width(),
                                       static_cast<double>(size.height()) / dial_.height()));
    if (numerals_) {
        p.begin(&rendered_);
        p.scale(static_cast<double>(size.width()) / kDesignWidth,
                static_cast<double>(size.height()) / kDesignHeight);
        PaintDialNumerals(p, colour_, numeralFont_);
    }
}

QRegion ClockFace::Shape() const {
    if (rendered_.isNull()) {
        return {};
    }
    return QRegion(QBitmap::fromImage(rendered_.createAlphaMask(Qt::ThresholdAlphaDither)));
}

}  // namespace velmora
