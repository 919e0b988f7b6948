#include "clock/ClockHandLayer.h"

#include <QPainter>

#include "clock/ClockPainter.h"

namespace velmora {

ClockHandLayer::ClockHandLayer(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
}

void ClockHandLayer::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    PaintHands(painter, size(), colour_, time_, labelFont_);
}

}  // namespace velmora
