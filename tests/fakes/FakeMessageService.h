#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "base/MessageService.h"

namespace velmora::test {

// Records every box instead of showing it; questions get the preset answer.
class FakeMessageService final : public MessageService {
public:
    struct Box {
        QString caption;
        QString text;
        Icon icon;
    };

    void Show(const std::string& caption, const std::string& text, Icon icon) override {
        shown.push_back({QString::fromStdString(caption), QString::fromStdString(text), icon});
        if (whileShown) {
            whileShown();
        }
    }
    bool Ask(const std::string& caption, const std::string& text) override {
        asked.push_back(
            {QString::fromStdString(caption), QString::fromStdString(text), Icon::None});
        if (whileShown) {
            whileShown();
        }
        return answer;
    }

    bool answer = true;
    // Runs while a box would be on screen, to look at the program then.
    std::function<void()> whileShown;
    std::vector<Box> shown;
    std::vector<Box> asked;
};

}  // namespace velmora::test
