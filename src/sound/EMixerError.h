#pragma once

#include <stdexcept>
#include <string>

namespace velmora {

class TMixerCtrl;

// A failed mixer operation: the message for the device table's result, with
// the name of the control concerned in parentheses.
class EMixerError : public std::runtime_error {
public:
    EMixerError(int errorCode, const TMixerCtrl* control);

    int ErrorCode() const { return errorCode_; }
    const TMixerCtrl* Control() const { return control_; }

    // The message alone, without a control name.
    static std::string MessageFor(int errorCode);

private:
    int errorCode_;
    const TMixerCtrl* control_;
};

}  // namespace velmora
