#pragma once

#include <QColor>

class QPainter;

namespace velmora::art {

// The alarm clock's finish: a dark gunmetal clock with chrome bells, or an
// ivory one with brass bells.
enum class ClockFinish { Gray, White };

struct ClockArtOptions {
    ClockFinish Finish = ClockFinish::Gray;
    bool MinuteTicks = true;  // too fine for the smallest icons
    bool Hands = false;       // icons show hands at ten past ten; the dial gets them live
};

// Paints the clock (bells, feet, case, bezel and face, no numerals) in the
// dial's design coordinates, 200 × 226, centre of the face at (100, 115).
// Everything outside the clock is left untouched.
void PaintAlarmClock(QPainter& painter, const ClockArtOptions& options);

}  // namespace velmora::art
