#include "dialog/DayList.h"

#include <limits>

#include "base/TextUtil.h"

namespace velmora {
namespace {

constexpr bool IsSeparatorBlank(char c) {
    // Blanks and control characters; bytes of multi-byte UTF-8 characters
    // are above 0x7F and never count, so a full-width space stays in its item.
    return static_cast<unsigned char>(c) <= ' ';
}

size_t SkipBlanks(std::string_view text, size_t pos) {
    while (pos < text.size() && IsSeparatorBlank(text[pos])) {
        ++pos;
    }
    return pos;
}

}  // namespace

std::optional<int> ReadFormInteger(std::string_view text) {
    size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos == text.size()) {
        return std::nullopt;
    }
    long long value = 0;
    for (; pos < text.size(); ++pos) {
        if (!IsAsciiDigit(text[pos])) {
            return std::nullopt;
        }
        value = value * 10 + (text[pos] - '0');
        if (value > std::numeric_limits<int>::max()) {
            return std::nullopt;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

std::optional<std::vector<std::string>> SplitDayList(std::string_view text) {
    std::vector<std::string> items;
    size_t pos = SkipBlanks(text, 0);
    while (pos < text.size()) {
        std::string item;
        if (text[pos] == '"') {
            ++pos;
            for (;;) {
                if (pos >= text.size()) {
                    return std::nullopt;  // no closing quote
                }
                if (text[pos] == '"') {
                    if (pos + 1 < text.size() && text[pos + 1] == '"') {
                        item += '"';
                        pos += 2;
                        continue;
                    }
                    ++pos;
                    break;
                }
                item += text[pos++];
            }
        } else {
            while (pos < text.size() && text[pos] != ',' && !IsSeparatorBlank(text[pos])) {
                item += text[pos++];
            }
        }
        items.push_back(std::move(item));
        pos = SkipBlanks(text, pos);
        if (pos < text.size() && text[pos] == ',') {
            if (pos + 1 == text.size()) {
                items.emplace_back();
            }
            pos = SkipBlanks(text, pos + 1);
        }
    }
    return items;
}

std::optional<std::vector<int>> ParseDayList(std::string_view text) {
    const auto items = SplitDayList(text);
    if (!items) {
        return std::nullopt;
    }
    std::vector<int> days;
    days.reserve(items->size());
    for (const std::string& item : *items) {
        const int day = ReadFormInteger(item).value_or(0);
        if (day < 1 || day > 31) {
            return std::nullopt;
        }
        days.push_back(day);
    }
    return days;
}

std::string JoinDays(const std::array<bool, 32>& flags) {
    std::string text;
    for (int day = 1; day <= 31; ++day) {
        if (flags[static_cast<size_t>(day)]) {
            if (!text.empty()) {
                text += ',';
            }
            text += std::to_string(day);
        }
    }
    return text;
}

}  // namespace velmora
