#include "schedule/HolidayTable.h"

#include <algorithm>

#include "base/ShiftJis.h"
#include "base/TextUtil.h"
#include "settings/DurableFile.h"

namespace velmora {
namespace {

// U+FFFD, which the decoder puts where a byte is not Shift-JIS.
constexpr std::string_view kReplacementChar = "\xEF\xBF\xBD";

// "yyyy/m/d": a four-digit year and no time of day.
std::optional<DateTime> ParseListDate(std::string_view text) {
    const bool fourDigitYear = text.size() > 4 && text[4] == '/' &&
                               std::all_of(text.begin(), text.begin() + 4, IsAsciiDigit);
    if (!fourDigitYear || text.find(' ') != std::string_view::npos) {
        return std::nullopt;
    }
    return ParseDateTime(text);
}

std::optional<HolidayTable::Entry> ParseLine(std::string_view line) {
    const size_t comma = line.find(',');
    if (comma == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view name = Trim(line.substr(comma + 1));
    const auto day = ParseListDate(Trim(line.substr(0, comma)));
    if (!day || name.empty() || name.find(',') != std::string_view::npos) {
        return std::nullopt;
    }
    return HolidayTable::Entry{*day, std::string(name)};
}

}  // namespace

std::optional<HolidayTable> HolidayTable::Parse(std::string_view sjisBytes) {
    const std::string text = SjisToUtf8(sjisBytes);
    if (text.find(kReplacementChar) != std::string::npos) {
        return std::nullopt;
    }
    HolidayTable table;
    const std::vector<std::string> lines = SplitLines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (Trim(lines[i]).empty()) {
            continue;
        }
        auto entry = ParseLine(lines[i]);
        if (!entry) {
            // Only the first line may be something else: the column header.
            if (i == 0) {
                continue;
            }
            return std::nullopt;
        }
        table.entries_.push_back(std::move(*entry));
    }
    if (table.entries_.empty()) {
        return std::nullopt;
    }
    std::stable_sort(table.entries_.begin(), table.entries_.end(),
                     [](const Entry& a, const Entry& b) { return a.day < b.day; });
    // A day listed twice keeps its first name.
    table.entries_.erase(std::unique(table.entries_.begin(), table.entries_.end(),
                                     [](const Entry& a, const Entry& b) { return a.day == b.day; }),
                         table.entries_.end());
    for (const Entry& entry : table.entries_) {
        table.years_.push_back(DecodeDate(entry.day).year);
    }
    table.years_.erase(std::unique(table.years_.begin(), table.years_.end()), table.years_.end());
    return table;
}

std::optional<HolidayTable> HolidayTable::Load(const std::string& path) {
    const auto bytes = ReadWholeFile(path);
    return bytes ? Parse(*bytes) : std::nullopt;
}

bool HolidayTable::CoversYear(int year) const {
    return std::binary_search(years_.begin(), years_.end(), year);
}

const std::string* HolidayTable::Find(const CivilDate& date) const {
    if (!IsValidDate(date.year, date.month, date.day)) {
        return nullptr;
    }
    const DateTime day = EncodeDate(date.year, date.month, date.day);
    const auto it = std::lower_bound(entries_.begin(), entries_.end(), day,
                                     [](const Entry& entry, DateTime d) { return entry.day < d; });
    return it != entries_.end() && it->day == day ? &it->name : nullptr;
}

}  // namespace velmora
