#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Everything the program stores or hands to a voice is Shift-JIS (code page
// 932); in memory we keep UTF-8. These convert at the boundary.

enum class SjisFit {
    // The text must come back byte for byte (file paths, names): "〜" and
    // "～" are the same Shift-JIS character, so a path holding the first would
    // be stored as a different path.
    Exact,
    // Characters that code page 932 folds onto one (the wave dash and the
    // full-width tilde, say) are acceptable: words for the voice.
    Folded,
};

// nullopt when a character has no Shift-JIS form (or, for Exact, when it
// would not come back unchanged).
std::optional<std::string> Utf8ToSjis(std::string_view utf8, SjisFit fit = SjisFit::Exact);

// Never fails: a byte that is not valid Shift-JIS becomes U+FFFD.
std::string SjisToUtf8(std::string_view sjis);

bool IsSjisLeadByte(unsigned char c);

// The longest prefix of at most maxBytes bytes that does not cut a
// double-byte character in two.
size_t SjisPrefixLength(std::string_view sjis, size_t maxBytes);

}  // namespace velmora
