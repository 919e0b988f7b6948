#include "clock/ClockLayout.h"

#include "clock/ClockMath.h"

namespace velmora {

ClockLayout ComputeClockLayout(int width, int height) {
    ClockLayout l;
    l.Width = width;
    l.Height = height;
    l.CentreX = RoundRatio(static_cast<long long>(width) * kDesignCentreX, kDesignWidth);
    l.CentreY = RoundRatio(static_cast<long long>(height) * kDesignCentreY, kDesignHeight);
    l.MinuteHandLength = RoundRatio(static_cast<long long>(width) * kNumeralRadius, kDesignWidth);
    l.HourHandLength = RoundRatio(static_cast<long long>(l.MinuteHandLength) * 3, 4);
    l.DotRadius = RoundRatio(static_cast<long long>(width) * 5, kDesignWidth);
    return l;
}

PixelRect StopButtonBox(int width, int height) {
    PixelRect box;
    box.width = RoundRatio(static_cast<long long>(width) * kStopImageWidth, kDesignWidth);
    box.height = RoundRatio(static_cast<long long>(height) * 25, kDesignHeight);
    box.left = (width - box.width) / 2;
    box.top = 0;
    return box;
}

int SnoozeLabelPoints(int width) {
    return RoundRatio(static_cast<long long>(width) * 14, kDesignWidth);
}

PixelPoint SnoozeLabelTopLeft(const ClockLayout& layout, PixelSize label) {
    return {(layout.Width - label.width) / 2, layout.CentreY - label.height - 5};
}

int DateTextPoints(int width) {
    return RoundRatio(static_cast<long long>(width) * 12, kDesignWidth);
}

int HandPenWidth(int width) {
    return width / 30;
}

int SecondPenWidth(int width) {
    return width / 60;
}

}  // namespace velmora
