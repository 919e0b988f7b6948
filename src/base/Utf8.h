#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Text that is worked on character by character (readings, phonetic text)
// is decoded to code points first, so a step never cuts a character in two.

// A byte that does not start a well-formed character becomes U+FFFD.
std::u32string DecodeUtf8(std::string_view utf8);

// Whether every byte belongs to a well-formed character.
bool IsValidUtf8(std::string_view bytes);

std::string EncodeUtf8(std::u32string_view text);
void AppendUtf8(std::string& out, char32_t c);

// Where the last character of `utf8` starts (0 for empty text).
size_t LastCharacterStart(std::string_view utf8);

}  // namespace velmora
