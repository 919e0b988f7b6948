#include <algorithm>

#include "CliCommands.h"
#include "speech/ReadingConverter.h"
#include "speech/mecab/MecabReadingService.h"

namespace velmora::cli {

int RunReading(Args args, Io io) {
    if (args.size() != 1) {
        return Fail(io, "usage: velmora-cli reading TEXT", kUsage);
    }
    const std::string& text = args[0];
    ReadingConverter converter(MecabReadingServiceFactory());
    const std::string phonetic = converter.ConvertToPhonetic(text);
    // An empty reading of a text with something to read is the converter's
    // way of failing; say so instead of printing a blank line as a result.
    if (phonetic.empty() &&
        std::any_of(text.begin(), text.end(), [](char c) { return c != '*'; })) {
        return Fail(io,
                    "no reading: the MeCab dictionary (open-jtalk-mecab-naist-jdic) is missing, or "
                    "nothing in the text fits Shift-JIS");
    }
    io.out << phonetic << '\n';
    return kOk;
}

}  // namespace velmora::cli
