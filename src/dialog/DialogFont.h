#pragma once

#include <QFont>

namespace velmora {

// The font of the settings dialog and the about window: Tahoma at a pixel
// size, and where Tahoma is missing (or lacks a glyph) a Japanese face, so
// kanji are drawn in their Japanese forms whatever the locale.
QFont DialogFont(int pixelSize, bool bold = false);

}  // namespace velmora
