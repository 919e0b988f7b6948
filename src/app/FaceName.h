#pragma once

#include <QString>

class QWidget;

namespace velmora {

// Gives `window` the face name `family`, and every control inside it that
// carries a font of its own, each keeping its size and weight.
void ApplyFaceName(QWidget& window, const QString& family);

// Whether a face of exactly that name (letter case included) is installed.
bool FaceInstalled(const QString& family);

}  // namespace velmora
