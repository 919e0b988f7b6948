#pragma once

#include <optional>

namespace velmora {

// Facts about the window system that Qt does not report. Each platform has
// its own implementation, chosen when the program is built; where a fact
// cannot be learnt the answers are the cautious ones.

// A compositing manager runs (false when unknown: the shape mask is then
// used, which is right with and without one).
bool ProbeCompositing();

// The left mouse button is held down; nullopt when unknown.
std::optional<bool> ProbeLeftButtonDown();

// An X server answers on `display` (before Qt is started).
bool ProbeXDisplay(const char* display);

}  // namespace velmora
