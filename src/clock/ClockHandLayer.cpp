#include "clock/ClockHandLayer.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include "clock/ClockHands.h"
#include "clock/ClockLayout.h"
#include "clock/ClockPainter.h"

namespace velmora {

ClockHandLayer::ClockHandLayer(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
}

void ClockHandLayer::ShowTime(const ClockTime& time) {
    const ClockTime before = time_;
    time_ = time;
    if (DateDiffers(before, time)) {
        dateValid_ = false;
        update();  // the date as well
        return;
    }
    // Ten redraws a second: repaint only where a hand was or is, so the
    // window system moves a few small rectangles instead of the window;
    // at once, since the tick is the moment to draw, rather than through
    // a posted request that wakes the event loop once more.
    const ClockLayout layout = ComputeClockLayout(width(), height());
    QRegion dirty;
    for (const PixelRect& r : MovedHandAreas(layout, before, time)) {
        dirty += QRect(r.left, r.top, r.width, r.height);
    }
    if (!dirty.isEmpty()) {
        repaint(dirty);
    }
}

bool ClockHandLayer::Changes(const ClockTime& time) const {
    const ClockLayout layout = ComputeClockLayout(width(), height());
    return DateDiffers(time_, time) ||
           ComputeClockHands(layout, time_) != ComputeClockHands(layout, time);
}

void ClockHandLayer::SetLabelFont(const QFont& font) {
    labelFont_ = font;
    dateValid_ = false;
}

void ClockHandLayer::paintEvent(QPaintEvent* event) {
    if (!dateValid_) {
        date_ = PrepareDate(time_, DateFont(labelFont_, width()));
        dateValid_ = true;
    }
    QPainter painter(this);
    PaintHands(painter, size(), colour_, time_, date_, event->rect());
}

void ClockHandLayer::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    dateValid_ = false;
}

}  // namespace velmora
