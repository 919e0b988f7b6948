#include "clock/DialColour.h"

namespace velmora {

DialPalette PaletteFor(DialColour colour) {
    const Rgb red{255, 0, 0};
    if (colour == DialColour::Gray) {
        return {{255, 255, 255}, {255, 255, 0}, {255, 244, 38}, red};
    }
    return {{128, 128, 128}, {196, 189, 108}, {196, 189, 108}, red};
}

std::string DialBitmapFile(DialColour colour) {
    return colour == DialColour::Gray ? "Data/目覚まし時計Gray.bmp" : "Data/目覚まし時計White.bmp";
}

}  // namespace velmora
