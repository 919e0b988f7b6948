#pragma once

#include <string>

namespace velmora {

// The two ways the program tells the user about a failure: the shared
// notice routine and a plain message box. Either box is shown with the
// clock window out of the top-most band, so the clock never covers it.
// Texts are UTF-8.
class Notices {
public:
    virtual ~Notices() = default;
    virtual void ShowNotice(const std::string& text) = 0;
    virtual void ShowMessage(const std::string& text) = 0;
};

}  // namespace velmora
