#include "app/QtEventPump.h"

#include <QCoreApplication>
#include <chrono>

namespace velmora {

QtEventPump::QtEventPump() {
    wake_.setSingleShot(true);
    wake_.setInterval(std::chrono::milliseconds(10));
}

void QtEventPump::ProcessEvents() {
    wake_.start();
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    wake_.stop();
}

}  // namespace velmora
