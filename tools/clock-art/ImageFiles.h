#pragma once

#include <QByteArray>
#include <QImage>
#include <vector>

namespace velmora::art {

// A 24-bit picture whose black pixels are see-through: what lies outside the
// art becomes pure black, and no pixel of the art itself is pure black.
// Edge pixels keep their blend with black, so the outline stays smooth.
QImage FlattenOnBlack(const QImage& art);

// An icon file holding the given square images (at most 256 pixels each)
// as 32-bit images with alpha and the matching transparency mask.
QByteArray EncodeIco(const std::vector<QImage>& images);

}  // namespace velmora::art
