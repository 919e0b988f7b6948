#pragma once

#include <QImage>

namespace velmora::art {

// The program's icon (alarm off) and the tray icons of the two armed modes.
enum class IconKind { Program, Alarm, Snooze };

QImage PaintIcon(IconKind kind, int size);

}  // namespace velmora::art
