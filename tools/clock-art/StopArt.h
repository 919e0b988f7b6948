#pragma once

#include <QImage>

namespace velmora::art {

// The STOP button that sits on top of the clock, 50 × 64 pixels on a
// transparent background. The window squeezes it into a box a quarter of
// the clock wide and 25/226 of it high, so it is drawn stretched to look
// right once squeezed.
QImage PaintStopImage();

}  // namespace velmora::art
