#include "schedule/HolidayTable.h"

#include <algorithm>

#include "base/ShiftJis.h"
#include "base/TextUtil.h"
#include "base/Utf8.h"
#include "settings/DurableFile.h"

namespace velmora {
namespace {

// U+FFFD, which the decoder puts where a byte is not Shift-JIS.
constexpr std::string_view kReplacementChar = "\xEF\xBF\xBD";

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Line numbers named one by one in a message; the rest are counted.
constexpr size_t kNamedLines = 10;

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

bool IsSjisText(std::string_view line) {
    return SjisToUtf8(line).find(kReplacementChar) == std::string::npos;
}

// Without a byte-order mark, the encoding under which fewer lines are
// broken; UTF-8 when even, as Japanese in Shift-JIS is almost never valid
// UTF-8 while Japanese in UTF-8 often passes for Shift-JIS.
bool ReadsAsUtf8(const std::vector<std::string>& lines) {
    const auto broken = [&lines](bool (*isText)(std::string_view)) {
        return std::count_if(lines.begin(), lines.end(),
                             [isText](const std::string& line) { return !isText(line); });
    };
    return broken(IsValidUtf8) <= broken(IsSjisText);
}

std::string LineNumbers(const std::vector<int>& lines) {
    std::string text;
    for (size_t i = 0; i < std::min(lines.size(), kNamedLines); ++i) {
        text += (i == 0 ? "" : "、") + std::to_string(lines[i]);
    }
    text += " 行目";
    if (lines.size() > kNamedLines) {
        text += "（ほか " + std::to_string(lines.size() - kNamedLines) + " 行）";
    }
    return text;
}

}  // namespace

std::optional<HolidayTable> HolidayTable::Parse(std::string_view bytes,
                                                std::vector<int>* skippedLines) {
    const bool marked = bytes.starts_with(kByteOrderMark);
    if (marked) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    const std::vector<std::string> lines = SplitLines(bytes);
    const bool utf8 = marked || ReadsAsUtf8(lines);
    HolidayTable table;
    bool first = true;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string_view trimmed = Trim(lines[i]);
        if (trimmed.empty()) {
            continue;
        }
        const bool text = utf8 ? IsValidUtf8(lines[i]) : IsSjisText(lines[i]);
        auto entry = text ? ParseLine(utf8 ? lines[i] : SjisToUtf8(lines[i])) : std::nullopt;
        // The first line may be the column header; one that starts like a
        // date is a mistyped day.
        const bool header = first && !IsAsciiDigit(trimmed.front());
        first = false;
        if (entry) {
            table.entries_.push_back(std::move(*entry));
        } else if (!header && skippedLines != nullptr) {
            skippedLines->push_back(static_cast<int>(i + 1));
        }
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

std::optional<HolidayTable> HolidayTable::Load(const std::string& path, std::string* problem) {
    std::string whyNot;
    const auto bytes = ReadWholeFile(path, &whyNot);
    std::vector<int> skipped;
    auto table = bytes ? Parse(*bytes, &skipped) : std::nullopt;
    if (problem == nullptr || (!bytes && whyNot.empty())) {
        return table;
    }
    const std::string list = "祝日の一覧「" + path + "」";
    if (!bytes) {
        *problem = list + "を読み込めません。\n" + whyNot + "\n組み込みの祝日の決まりを使います。";
    } else if (!table) {
        *problem = list + "から祝日を1日も読み取れないため、組み込みの祝日の決まりを使います。";
        if (!skipped.empty()) {
            *problem += "\n読み取れない行: " + LineNumbers(skipped);
        }
    } else if (!skipped.empty()) {
        *problem = list + "の " + LineNumbers(skipped) +
                   "は読み取れないため使いません。\nほかの行の祝日は使います。";
    }
    return table;
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
