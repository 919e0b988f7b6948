#pragma once

#include <string>

namespace velmora {

// The two ways the program tells the user about a failure: the shared
// notice routine (it lowers the clock window from the top-most band while
// the box is up) and a plain message box. Texts are UTF-8.
class Notices {
public:
    virtual ~Notices() = default;
    virtual void ShowNotice(const std::string& text) = 0;
    virtual void ShowMessage(const std::string& text) = 0;
};

}  // namespace velmora
