#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "settings/PhoneticConverter.h"
#include "speech/ReadingService.h"

namespace velmora {

// Reads kanji text through a reading service and cleans the kana up into
// phonetic text the voices accept, with the accent marks and phrase marks
// the service gives. A fresh service is made, opened and released for
// every text, so nothing is kept between calls.
class ReadingConverter final : public PhoneticConverter {
public:
    // Long texts are read in pieces of at most this many characters, each
    // on its own, so a word cut at a piece boundary is read as two.
    static constexpr size_t kPieceLength = 64;

    explicit ReadingConverter(ReadingServiceFactory makeService);

    // Empty when there is no service, it cannot be opened, or any reading
    // fails: a phrase then has nothing to say rather than a wrong half.
    std::string ConvertToPhonetic(std::string_view utf8Text) override;

private:
    ReadingServiceFactory makeService_;
};

}  // namespace velmora
