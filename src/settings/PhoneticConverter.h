#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Turns text with kanji into the voices' phonetic kana notation. The
// reading service behind it may be missing; then the result is empty, and
// an empty phrase is simply not spoken.
class PhoneticConverter {
public:
    virtual ~PhoneticConverter() = default;
    virtual std::string ConvertToPhonetic(std::string_view utf8Text) = 0;
};

// For programs and tests that run without a reading service.
class NoReadingService final : public PhoneticConverter {
public:
    std::string ConvertToPhonetic(std::string_view) override { return {}; }
};

}  // namespace velmora
