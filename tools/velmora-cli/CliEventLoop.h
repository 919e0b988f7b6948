#pragma once

#include <QCoreApplication>
#include <memory>

namespace velmora::cli {

// The commands that play sound need Qt's event loop; the others run
// without one. Makes the application object when none exists yet (the
// command-line program), and leaves an existing one alone (tests).
std::unique_ptr<QCoreApplication> EnsureEventLoop();

}  // namespace velmora::cli
