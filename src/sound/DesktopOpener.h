#pragma once

#include <functional>
#include <string>

namespace velmora {

// Hands a file to the program the desktop associates with its type. The
// outcome is known only later: `failed` is called with the opener's result
// code when the desktop could not open the file.
class DesktopOpener {
public:
    virtual ~DesktopOpener() = default;
    virtual void OpenWithAssociatedProgram(const std::string& path,
                                           std::function<void(int result)> failed) = 0;
};

}  // namespace velmora
