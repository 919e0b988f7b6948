#pragma once

#include <memory>

#include "schedule/EscapeKey.h"

namespace velmora {

// The Esc key as the desktop's window system reports it, whichever window
// has the focus; where the build or the session has no such report, a key
// that is never down (the STOP picture still stops the alarm).
std::unique_ptr<EscapeKey> MakeSystemEscapeKey();

}  // namespace velmora
