#include "app/ProgramFatalNotice.h"

namespace velmora {

void ProgramFatalNotice::ShowAndExit(const std::string& message) {
    if (ending_) {
        return;
    }
    ending_ = true;
    notices_.ShowNotice(message);
    end_(1);
}

}  // namespace velmora
