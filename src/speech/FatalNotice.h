#pragma once

#include <string>

namespace velmora {

// "声のデータが存在しません。\n終了します。": a voice library or one of its
// entries is missing, and the program cannot go on.
inline constexpr const char* kVoiceDataMissingMessage = "声のデータが存在しません。\n終了します。";

// The way out for a failure the program cannot survive: the real one shows
// the message and ends the program at once. A test's implementation records
// the message and returns, and the caller then fails the operation instead.
class FatalNotice {
public:
    virtual ~FatalNotice() = default;
    virtual void ShowAndExit(const std::string& message) = 0;
};

}  // namespace velmora
