#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The profile-file dialect on one file's bytes, in memory. Names and
// values cross this interface as UTF-8; the lines are kept as the Shift-JIS
// bytes they were read as, so a rewrite leaves every line it did not touch
// exactly as it was, even one that is not valid Shift-JIS.
//
// Rules: section and key names match without regard to ASCII letter case;
// blanks around names and values are ignored; a value in a pair of double
// quotes is read without them; a value is read as its first 2047 bytes. When
// a section or a key occurs twice, the first one is the one read, written and
// deleted. Lines before the first section belong to no section and are
// never read.
class IniDocument final {
public:
    static constexpr size_t kMaxValueBytes = 2047;

    IniDocument() = default;
    static IniDocument Parse(std::string_view bytes);

    // The value as UTF-8, or nullopt when the section or key is missing.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    bool HasKey(std::string_view section, std::string_view key) const;
    std::vector<std::string> Keys(std::string_view section) const;

    // `sjisValue` is already in the file's encoding and holds no line break.
    // A key that exists is replaced in place; a new key goes after the last
    // entry of its section; a new section goes at the end of the file.
    void Set(std::string_view section, std::string_view key, std::string_view sjisValue);
    // Returns whether a line was removed.
    bool Remove(std::string_view section, std::string_view key);

    // The whole file, CR LF after every line.
    std::string Serialize() const;

private:
    enum class Kind { Other, Section, Entry };
    struct Line {
        std::string bytes;  // as stored, Shift-JIS, without the line end
        Kind kind = Kind::Other;
        std::string name;  // section or key name, decoded and trimmed
    };
    struct Span {
        size_t header;  // index of the section line
        size_t end;     // one past its last line
    };

    static Line ParseLine(std::string bytes);
    std::optional<Span> FindSection(std::string_view section) const;
    std::optional<size_t> FindEntry(const Span& span, std::string_view key) const;

    std::vector<Line> lines_;
};

}  // namespace velmora
