#include <gtest/gtest.h>

#include "base/Utf8.h"

namespace velmora {
namespace {

TEST(Utf8, RoundTripsEveryLength) {
    const std::string text = "a\u00e9\u3042\U00020BB7";  // 1, 2, 3 and 4 bytes
    EXPECT_EQ(DecodeUtf8(text), U"a\u00e9\u3042\U00020BB7");
    EXPECT_EQ(EncodeUtf8(DecodeUtf8(text)), text);
}

TEST(Utf8, MalformedBytesBecomeReplacementCharacters) {
    const std::pair<std::string, std::u32string> cases[] = {
        {"a\x80z", U"a\uFFFDz"},                  // stray continuation byte
        {"\xE3\x81", U"\uFFFD\uFFFD"},            // cut short
        {"\xC0\xAF", U"\uFFFD\uFFFD"},            // overlong
        {"\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},  // surrogate
        {"\xE3(\x81", U"\uFFFD(\uFFFD"},
    };
    for (const auto& [bytes, decoded] : cases) {
        EXPECT_EQ(DecodeUtf8(bytes), decoded);
    }
    EXPECT_EQ(EncodeUtf8(U"\xD800"), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace velmora
