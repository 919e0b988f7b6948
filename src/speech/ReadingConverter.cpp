#include "speech/ReadingConverter.h"

#include <algorithm>
#include <utility>

#include "base/Utf8.h"
#include "speech/ReadingCleanup.h"

namespace velmora {
namespace {

bool EndsPhrase(char32_t c) {
    return c == U'/' || c == U'+' || c == U'、' || c == U'。' || c == U'?' || c == U'？' ||
           c == U' ' || c == U'　';
}

bool IsNumberPart(char32_t c) {
    return (c >= U'0' && c <= U'9') || (c >= U'０' && c <= U'９') || c == U'.' || c == U'．';
}

// Each piece is read on its own, so its first word starts an accent phrase
// of its own: it needs the phrase mark the reading service would have put
// there, or its accent would be lost in the phrase before. A number cut in
// two by the boundary stays one number.
bool NeedsPhraseMark(const std::u32string& before, const std::u32string& next) {
    if (before.empty() || next.empty()) {
        return false;
    }
    const char32_t last = before.back();
    const char32_t first = next.front();
    return !EndsPhrase(last) && !EndsPhrase(first) && !(IsNumberPart(last) && IsNumberPart(first));
}

}  // namespace

ReadingConverter::ReadingConverter(ReadingServiceFactory makeService)
    : makeService_(std::move(makeService)) {}

std::string ReadingConverter::ConvertToPhonetic(std::string_view utf8Text) {
    std::unique_ptr<ReadingService> service = makeService_ ? makeService_() : nullptr;
    if (!service || !service->Open()) {
        return {};
    }
    // The phrase was typed into (or loaded as) Shift-JIS text, so whatever
    // that code page lacks is already gone before it is read.
    std::u32string text = ThroughShiftJis(DecodeUtf8(utf8Text));
    std::erase(text, U'*');  // the phrase separator is never part of a phrase

    std::u32string reading;
    for (const std::u32string& piece : SplitIntoPieces(text, kPieceLength)) {
        const auto pieceReading = service->GetPhonetic(EncodeUtf8(piece));
        if (!pieceReading) {
            return {};  // the service is released unclosed; its destructor cleans up
        }
        // Readings come back as wide text and are kept as Shift-JIS.
        const std::u32string next = ThroughShiftJis(DecodeUtf8(*pieceReading));
        if (NeedsPhraseMark(reading, next)) {
            reading += U'/';
        }
        reading += next;
    }
    service->Close();
    return EncodeUtf8(CleanUpReading(reading));
}

}  // namespace velmora
