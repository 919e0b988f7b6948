#include <charconv>
#include <optional>
#include <string_view>

#include "CliCommands.h"
#include "base/TextUtil.h"
#include "settings/AlarmWords.h"
#include "speech/TimePhrase.h"

namespace velmora::cli {
namespace {

// Exactly `digits` decimal digits, or 1..2 when digits is 0.
std::optional<int> Field(std::string_view text, size_t digits) {
    if (text.empty() || (digits != 0 && text.size() != digits) || text.size() > 2) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : text) {
        if (!IsAsciiDigit(c)) {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

// "H:MM" or "H:MM:SS".
std::optional<DateTime> ParseClockTime(std::string_view text) {
    const size_t colon = text.find(':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view rest = text.substr(colon + 1);
    std::string_view secondText = "00";
    if (const size_t second = rest.find(':'); second != std::string_view::npos) {
        secondText = rest.substr(second + 1);
        rest = rest.substr(0, second);
    }
    const auto hour = Field(text.substr(0, colon), 0);
    const auto minute = Field(rest, 2);
    const auto seconds = Field(secondText, 2);
    if (!hour || !minute || !seconds || *hour > 23 || *minute > 59 || *seconds > 59) {
        return std::nullopt;
    }
    return EncodeTime(*hour, *minute, *seconds);
}

}  // namespace

int RunPhrase(Args args, Io io) {
    const auto usage = [&] {
        return Fail(io, "usage: velmora-cli phrase H:MM[:SS] [--gobi N]", kUsage);
    };
    if (args.size() != 1 && args.size() != 3) {
        return usage();
    }
    const auto time = ParseClockTime(args[0]);
    if (!time) {
        return usage();
    }
    std::string ending;
    if (args.size() == 3) {
        const std::string& text = args[2];
        int gobiNo = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), gobiNo);
        if (args[1] != "--gobi" || text.empty() || ec != std::errc() ||
            end != text.data() + text.size()) {
            return usage();
        }
        ending = JihoEnding(gobiNo);
    }
    io.out << TimePhrase(*time) << ending << '\n';
    return kOk;
}

}  // namespace velmora::cli
