#include "speech/ReadingConverter.h"

#include <algorithm>
#include <utility>

#include "base/Utf8.h"
#include "speech/ReadingCleanup.h"

namespace velmora {

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
        reading += ThroughShiftJis(DecodeUtf8(*pieceReading));
    }
    service->Close();
    return EncodeUtf8(CleanUpReading(reading));
}

}  // namespace velmora
