#include <gtest/gtest.h>

#include "base/TextUtil.h"

namespace velmora {
namespace {

TEST(ProfileInteger, ReadsDecimalAndHexAsTheSettingsFileDoes) {
    struct Case {
        const char* text;
        std::optional<int> expected;
    };
    const Case cases[] = {
        {"50", 50},
        {"-1", -1},
        {"+7", 7},
        {" 12 ", 12},
        {"0x1E", 30},
        {"0X1e", 30},
        {"0xFFFFFFFF", -1},
        {"0x7FFFFFFF", 2147483647},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"0x100000000", std::nullopt},
        {"0x", std::nullopt},
        {"0xG1", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {"1.5", std::nullopt},
        {"12abc", std::nullopt},
        {"-", std::nullopt},
        {"00012", 12},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseProfileInteger(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(TextUtil, TrimsBlanksOnly) {
    EXPECT_EQ(Trim(" \t a b \t"), "a b");
    EXPECT_EQ(Trim("\xE3\x80\x80x"), "\xE3\x80\x80x");  // an ideographic space is text
    EXPECT_EQ(Trim("   "), "");
}

TEST(TextUtil, CaseInsensitiveForAsciiOnly) {
    EXPECT_TRUE(EqualsIgnoreCase("Jiho", "jIHO"));
    EXPECT_FALSE(EqualsIgnoreCase("Jiho", "Jiho2"));
    EXPECT_FALSE(EqualsIgnoreCase("ａ", "Ａ"));
}

TEST(TextUtil, SplitsLinesOfEitherEnding) {
    EXPECT_EQ(SplitLines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(SplitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_TRUE(SplitLines("").empty());
}

}  // namespace
}  // namespace velmora
