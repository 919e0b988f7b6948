#pragma once

#include "clock/PixelGeometry.h"

namespace velmora {

// The dial picture's design size: everything painted on the dial uses these
// coordinates, and the window keeps this aspect.
inline constexpr int kDesignWidth = 200;
inline constexpr int kDesignHeight = 226;
// The dial's centre and numeral radius in design coordinates.
inline constexpr int kDesignCentreX = 100;
inline constexpr int kDesignCentreY = 115;
inline constexpr int kNumeralRadius = 65;
// The STOP picture as stored.
inline constexpr int kStopImageWidth = 50;
inline constexpr int kStopImageHeight = 64;

// Values that follow the window size W × H.
struct ClockLayout {
    int Width = 0;
    int Height = 0;
    int CentreX = 0;
    int CentreY = 0;
    int MinuteHandLength = 0;
    int HourHandLength = 0;
    int DotRadius = 0;
    friend bool operator==(const ClockLayout&, const ClockLayout&) = default;
};

ClockLayout ComputeClockLayout(int width, int height);

// The STOP picture's box: top centre, a quarter of the width wide.
PixelRect StopButtonBox(int width, int height);

// The alarm label's font size in points, and its top-left corner for a
// label of the given size: centred, its bottom 5 pixels above the centre.
int SnoozeLabelPoints(int width);
PixelPoint SnoozeLabelTopLeft(const ClockLayout& layout, PixelSize label);

// The date's font size in points.
int DateTextPoints(int width);

// Hand pens: hour and minute hands, and the second hand with its tail and
// the outline of the centre dot.
int HandPenWidth(int width);
int SecondPenWidth(int width);

}  // namespace velmora
