#pragma once

#include <string>
#include <vector>

#include "base/Notices.h"

namespace velmora::test {

// Not sim/HeadlessMainWindow: notices and plain boxes are kept apart.
// Remembers every box the program would have shown.
class FakeNotices final : public Notices {
public:
    void ShowNotice(const std::string& text) override { notices.push_back(text); }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> notices;   // through the shared notice routine
    std::vector<std::string> messages;  // plain boxes
};

}  // namespace velmora::test
