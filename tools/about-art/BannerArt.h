#pragma once

#include <QImage>

namespace velmora::art {

// The about window's banner: a dawn sky over a horizon with the rising sun
// and two small bells, drawn at twice the size the window shows it.
QImage DrawBanner();

inline constexpr int kBannerWidth = 632;
inline constexpr int kBannerHeight = 76;

}  // namespace velmora::art
