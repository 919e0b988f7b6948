#include "CliEventLoop.h"

namespace velmora::cli {

std::unique_ptr<QCoreApplication> EnsureEventLoop() {
    if (QCoreApplication::instance() != nullptr) {
        return nullptr;
    }
    // QCoreApplication keeps references to these for its whole life.
    static int argc = 1;
    static char name[] = "velmora-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QCoreApplication>(argc, argv);
}

}  // namespace velmora::cli
