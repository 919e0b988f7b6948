#pragma once

#include <string>
#include <vector>

#include "settings/PhoneticConverter.h"

namespace velmora::test {

// Answers with a marked copy of the text and remembers what it was asked.
class FakePhoneticConverter final : public PhoneticConverter {
public:
    std::string ConvertToPhonetic(std::string_view text) override {
        asked.emplace_back(text);
        return "よみ(" + std::string(text) + ")";
    }
    std::vector<std::string> asked;
};

}  // namespace velmora::test
