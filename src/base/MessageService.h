#pragma once

#include <string>

namespace velmora {

// Message and question boxes go through this, so a test can answer them
// instead of fighting a modal loop. Texts are UTF-8.
class MessageService {
public:
    // None: a plain notice, the text alone.
    enum class Icon { None, Information, Warning, Error };
    virtual ~MessageService() = default;
    virtual void Show(const std::string& caption, const std::string& text, Icon icon) = 0;
    // true for Yes.
    virtual bool Ask(const std::string& caption, const std::string& text) = 0;
};

}  // namespace velmora
