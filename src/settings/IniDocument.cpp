#include "settings/IniDocument.h"

#include <algorithm>

#include "base/ShiftJis.h"
#include "base/TextUtil.h"

namespace velmora {

IniDocument IniDocument::Parse(std::string_view bytes) {
    IniDocument doc;
    for (std::string& line : SplitLines(bytes)) {
        doc.lines_.push_back(ParseLine(std::move(line)));
    }
    return doc;
}

IniDocument::Line IniDocument::ParseLine(std::string bytes) {
    Line line;
    line.bytes = std::move(bytes);
    const std::string_view text = Trim(line.bytes);
    if (!text.empty() && text.front() == '[') {
        // A Shift-JIS trail byte can be 0x5D, the byte of ']' ("ゾ" is 0x83
        // 0x5D), so the search steps over double-byte characters whole.
        size_t close = 1;
        while (close < text.size() && text[close] != ']') {
            close += IsSjisLeadByte(static_cast<unsigned char>(text[close])) ? 2u : 1u;
        }
        const std::string_view name = text.substr(1, std::min(close, text.size()) - 1);
        line.kind = Kind::Section;
        line.name = SjisToUtf8(Trim(name));
        return line;
    }
    if (text.empty() || text.front() == ';') {
        return line;
    }
    // '=' (0x3D) is below the smallest trail byte (0x40), so a plain byte
    // search cannot land inside a character.
    const size_t eq = text.find('=');
    if (eq == std::string_view::npos) {
        return line;
    }
    const std::string_view key = Trim(text.substr(0, eq));
    if (key.empty()) {
        return line;
    }
    line.kind = Kind::Entry;
    line.name = SjisToUtf8(key);
    return line;
}

std::optional<IniDocument::Span> IniDocument::FindSection(std::string_view section) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == Kind::Section && EqualsIgnoreCase(lines_[i].name, section)) {
            size_t end = i + 1;
            while (end < lines_.size() && lines_[end].kind != Kind::Section) {
                ++end;
            }
            return Span{i, end};
        }
    }
    return std::nullopt;
}

std::optional<size_t> IniDocument::FindEntry(const Span& span, std::string_view key) const {
    for (size_t i = span.header + 1; i < span.end; ++i) {
        if (lines_[i].kind == Kind::Entry && EqualsIgnoreCase(lines_[i].name, key)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    const auto span = FindSection(section);
    if (!span) {
        return std::nullopt;
    }
    const auto index = FindEntry(*span, key);
    if (!index) {
        return std::nullopt;
    }
    const std::string& bytes = lines_[*index].bytes;
    std::string_view value = Trim(std::string_view(bytes).substr(bytes.find('=') + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    value = value.substr(0, SjisPrefixLength(value, kMaxValueBytes));
    return SjisToUtf8(value);
}

bool IniDocument::HasKey(std::string_view section, std::string_view key) const {
    const auto span = FindSection(section);
    return span && FindEntry(*span, key).has_value();
}

std::vector<std::string> IniDocument::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    if (const auto span = FindSection(section)) {
        for (size_t i = span->header + 1; i < span->end; ++i) {
            if (lines_[i].kind == Kind::Entry) {
                keys.push_back(lines_[i].name);
            }
        }
    }
    return keys;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view sjisValue) {
    // Names come from our own code as ASCII or UTF-8; store them in the
    // file's encoding. Unencodable names cannot occur (all keys are fixed).
    const std::string sjisKey = Utf8ToSjis(key, SjisFit::Folded).value_or(std::string(key));
    const auto span = FindSection(section);
    if (!span) {
        const std::string sjisSection =
            Utf8ToSjis(section, SjisFit::Folded).value_or(std::string(section));
        lines_.push_back(ParseLine("[" + sjisSection + "]"));
        lines_.push_back(ParseLine(sjisKey + "=" + std::string(sjisValue)));
        return;
    }
    if (const auto index = FindEntry(*span, key)) {
        // Keep the spelling already in the file so a rewrite changes only the value.
        const std::string& old = lines_[*index].bytes;
        const std::string storedKey(Trim(std::string_view(old).substr(0, old.find('='))));
        lines_[*index] = ParseLine(storedKey + "=" + std::string(sjisValue));
        return;
    }
    // After the last non-blank line of the section, so blank separator lines
    // stay between this section and the next.
    size_t insertAt = span->end;
    while (insertAt > span->header + 1 && Trim(lines_[insertAt - 1].bytes).empty()) {
        --insertAt;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt),
                  ParseLine(sjisKey + "=" + std::string(sjisValue)));
}

bool IniDocument::Remove(std::string_view section, std::string_view key) {
    const auto span = FindSection(section);
    if (!span) {
        return false;
    }
    const auto index = FindEntry(*span, key);
    if (!index) {
        return false;
    }
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*index));
    return true;
}

std::string IniDocument::Serialize() const {
    std::string out;
    size_t size = 0;
    for (const Line& line : lines_) {
        size += line.bytes.size() + 2;
    }
    out.reserve(size);
    for (const Line& line : lines_) {
        out += line.bytes;
        out += "\r\n";
    }
    return out;
}

}  // namespace velmora
