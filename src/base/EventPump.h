#pragma once

namespace velmora {

// Lets the program's event loop run while an operation waits for something
// that only events can bring (a player reporting its end, a channel falling
// silent). Timers, menu commands and player events are handled inside the
// call, so the waiting operation may be re-entered; its callers guard
// against that with their busy flags.
class EventPump {
public:
    virtual ~EventPump() = default;
    // Handles what is pending, or waits a short while (a few milliseconds)
    // for something to arrive; never blocks for long.
    virtual void ProcessEvents() = 0;
};

}  // namespace velmora
