#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// A service that reads Japanese text aloud in kana. It is opened before the
// first reading and closed after the last one; destroying it releases it
// whether or not it was opened or closed.
class ReadingService {
public:
    virtual ~ReadingService() = default;
    virtual bool Open() = 0;
    // The reading of the UTF-8 text in hiragana; what the service cannot read
    // (digits, Latin letters, signs) comes back as it was given. nullopt when
    // the service fails.
    virtual std::optional<std::string> GetPhonetic(std::string_view utf8Text) = 0;
    virtual void Close() = 0;
};

// Makes a fresh service for one conversion, or null when there is none.
using ReadingServiceFactory = std::function<std::unique_ptr<ReadingService>()>;

}  // namespace velmora
