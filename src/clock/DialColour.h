#pragma once

#include <string>

#include "settings/StartupSettings.h"

namespace velmora {

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct DialPalette {
    Rgb Numerals;
    Rgb Date;
    Rgb Hands;   // hour and minute hands
    Rgb Second;  // second hand, its tail and the centre dot
};

DialPalette PaletteFor(DialColour colour);

// The dial picture's file, relative to the program folder.
std::string DialBitmapFile(DialColour colour);

// The STOP picture's file, relative to the program folder.
inline constexpr const char* kStopImageFile = "Data/Stop.bmp";

}  // namespace velmora
