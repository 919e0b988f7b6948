#pragma once

#include <functional>

#include "base/Notices.h"
#include "speech/FatalNotice.h"

namespace velmora {

// A failure the program cannot go on from: the message through the notice
// routine, then the program ends in order (its windows and tray go, the
// user's volume is given back). The caller's operation fails meanwhile, and
// a second failure before the end shows nothing more.
class ProgramFatalNotice final : public FatalNotice {
public:
    // `end` ends the program with the exit code given.
    ProgramFatalNotice(Notices& notices, std::function<void(int code)> end)
        : notices_(notices), end_(std::move(end)) {}

    void ShowAndExit(const std::string& message) override;

private:
    Notices& notices_;
    std::function<void(int code)> end_;
    bool ending_ = false;
};

}  // namespace velmora
