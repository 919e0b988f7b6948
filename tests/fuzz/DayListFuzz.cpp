// The day-list splitter and reader of the settings dialog on any typed text.
#include <array>
#include <string>
#include <vector>

#include "FuzzScratch.h"
#include "dialog/DayList.h"

namespace velmora {
namespace {

// The items written back as the splitter reads them: each quoted, quotes
// doubled.
std::string Quoted(const std::vector<std::string>& items) {
    std::string text;
    for (size_t i = 0; i < items.size(); ++i) {
        text += i == 0 ? "\"" : ",\"";
        for (char c : items[i]) {
            text += c == '"' ? std::string("\"\"") : std::string(1, c);
        }
        text += '"';
    }
    return text;
}

}  // namespace
}  // namespace velmora

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    const std::string_view text = fuzz::AsText(data, size);

    if (const auto items = SplitDayList(text)) {
        if (SplitDayList(Quoted(*items)) != items) {
            fuzz::Fault("quoting the items and splitting again gives other items");
        }
    }
    if (const auto days = ParseDayList(text)) {
        std::array<bool, 32> flags{};
        for (int day : *days) {
            if (day < 1 || day > 31) {
                fuzz::Fault("a day outside 1..31 was accepted");
            }
            flags[static_cast<size_t>(day)] = true;
        }
        const auto again = ParseDayList(JoinDays(flags));
        std::array<bool, 32> flagsAgain{};
        for (int day : again.value_or(std::vector<int>{})) {
            flagsAgain[static_cast<size_t>(day)] = true;
        }
        if (!again || flagsAgain != flags) {
            fuzz::Fault("the joined days read back as other days");
        }
    }
    if (const auto number = ReadFormInteger(text)) {
        if (ReadFormInteger(std::to_string(*number)) != number) {
            fuzz::Fault("a typed number does not read back");
        }
    }
    return 0;
}
