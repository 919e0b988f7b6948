#pragma once

#include <QTimer>

#include "base/EventPump.h"

namespace velmora {

// Runs the Qt event loop once: handles what is pending, or sleeps until
// something arrives, at most about ten milliseconds.
class QtEventPump final : public EventPump {
public:
    QtEventPump();
    void ProcessEvents() override;

private:
    QTimer wake_;  // ends the wait when nothing else arrives
};

}  // namespace velmora
