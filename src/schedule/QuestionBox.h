#pragma once

#include <string>

namespace velmora {

// A modal Yes/No question; nothing else of the clock acts while it is up.
class QuestionBox {
public:
    virtual ~QuestionBox() = default;
    // true for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
};

}  // namespace velmora
