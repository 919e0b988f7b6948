#include "base/Utf8.h"

namespace velmora {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char b) {
    return (b & 0xC0u) == 0x80u;
}

// The length of the well-formed character at `i`, with its code point in
// `c`; 0 when the bytes there start none.
size_t CharacterAt(std::string_view utf8, size_t i, char32_t& c) {
    const auto b0 = static_cast<unsigned char>(utf8[i]);
    size_t length = 0;
    char32_t minimum = 0;
    if (b0 < 0x80) {
        length = 1;
        c = b0;
    } else if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2;
        c = b0 & 0x1Fu;
        minimum = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3;
        c = b0 & 0x0Fu;
        minimum = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4;
        c = b0 & 0x07u;
        minimum = 0x10000;
    }
    if (length == 0 || i + length > utf8.size()) {
        return 0;
    }
    for (size_t k = 1; k < length; ++k) {
        const auto b = static_cast<unsigned char>(utf8[i + k]);
        if (!IsContinuation(b)) {
            return 0;
        }
        c = c << 6 | (b & 0x3Fu);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not text.
    if (c < minimum || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
        return 0;
    }
    return length;
}

}  // namespace

std::u32string DecodeUtf8(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        char32_t c = 0;
        const size_t length = CharacterAt(utf8, i, c);
        out += length > 0 ? c : kReplacement;
        i += length > 0 ? length : 1;
    }
    return out;
}

bool IsValidUtf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        char32_t c = 0;
        const size_t length = CharacterAt(bytes, i, c);
        if (length == 0) {
            return false;
        }
        i += length;
    }
    return true;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        c = kReplacement;
    }
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0u | (c >> 6));
        out += static_cast<char>(0x80u | (c & 0x3Fu));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0u | (c >> 12));
        out += static_cast<char>(0x80u | ((c >> 6) & 0x3Fu));
        out += static_cast<char>(0x80u | (c & 0x3Fu));
    } else {
        out += static_cast<char>(0xF0u | (c >> 18));
        out += static_cast<char>(0x80u | ((c >> 12) & 0x3Fu));
        out += static_cast<char>(0x80u | ((c >> 6) & 0x3Fu));
        out += static_cast<char>(0x80u | (c & 0x3Fu));
    }
}

std::string EncodeUtf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char32_t c : text) {
        AppendUtf8(out, c);
    }
    return out;
}

size_t LastCharacterStart(std::string_view utf8) {
    size_t start = utf8.size();
    while (start > 0) {
        --start;
        if ((static_cast<unsigned char>(utf8[start]) & 0xC0) != 0x80) {
            break;  // not a continuation byte
        }
    }
    return start;
}

}  // namespace velmora
