#pragma once

#include "base/MessageService.h"

namespace velmora {

// Real boxes on the desktop.
class BoxMessageService final : public MessageService {
public:
    void Show(const std::string& caption, const std::string& text, Icon icon) override;
    bool Ask(const std::string& caption, const std::string& text) override;
};

}  // namespace velmora
