#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "sound/DesktopOpener.h"

namespace velmora::test {

// Not sim/HeadlessMainWindow: the test answers for the desktop through the kept callbacks.
// Remembers the files handed to the desktop and keeps their failure
// callbacks, so a test decides when and how the desktop answers.
class FakeDesktopOpener final : public DesktopOpener {
public:
    void OpenWithAssociatedProgram(const std::string& path,
                                   std::function<void(int result)> failed) override {
        opened.push_back(path);
        pending.push_back(std::move(failed));
    }
    std::vector<std::string> opened;
    std::vector<std::function<void(int)>> pending;
};

}  // namespace velmora::test
