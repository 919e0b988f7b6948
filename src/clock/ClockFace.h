#pragma once

#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <QSize>
#include <string>

#include "clock/DialColour.h"

namespace velmora {

// The dial picture with its numerals, stretched to the window (`ImgClock`).
// The numerals are drawn at the window's own resolution in the dial's
// design coordinates, which looks exactly like drawing them on the picture
// and stretching both, only sharper.
class ClockFace {
public:
    // Loads the dial picture of that colour from the program folder. A
    // missing picture leaves a plain round dial, so the clock stays usable.
    bool Load(const std::string& programFolder, DialColour colour);
    DialColour Colour() const { return colour_; }

    // DrawDialNumerals: the numerals in the alarm label's font as it is now;
    // they keep that font until the next call.
    void DrawNumerals(const QFont& labelFont);

    // Renders the face at `size` unless it is already rendered at that size.
    void Render(QSize size);
    // The pixels that are not see-through.
    QRegion Shape() const;
    const QImage& Image() const { return rendered_; }

private:
    void Invalidate() { rendered_ = QImage(); }

    DialColour colour_ = DialColour::Gray;
    QImage dial_;  // the picture with black made transparent
    QFont numeralFont_;
    bool numerals_ = false;
    QImage rendered_;
};

}  // namespace velmora
