#pragma once

namespace velmora {

// Turns the screen on before the alarm and keeps the machine and the screen
// awake while it rings, through the desktop's own services: no input is
// made up, so nothing reaches the window that has the focus. Where a
// service does not exist, the call does nothing.
class DisplayAwake {
public:
    virtual ~DisplayAwake() = default;
    // Wakes the screen (as user activity would) once.
    virtual void WakeDisplay() = 0;
    // Keeps the system from sleeping and the screen from blanking until
    // Release; a second Inhibit while inhibited changes nothing.
    virtual void Inhibit() = 0;
    virtual void Release() = 0;
};

}  // namespace velmora
