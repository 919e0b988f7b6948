#include <gtest/gtest.h>

#include "base/ShiftJis.h"

namespace velmora {
namespace {

TEST(ShiftJis, RoundTripsJapaneseText) {
    const std::string text = "ご'ぜん/<NUMK VAL=10 COUNTER=じ>+で'す。カタカナ①髙";
    const auto sjis = Utf8ToSjis(text);
    ASSERT_TRUE(sjis.has_value());
    EXPECT_EQ(SjisToUtf8(*sjis), text);
    EXPECT_EQ(*Utf8ToSjis("あ"), "\x82\xA0");
}

TEST(ShiftJis, RefusesWhatCodePage932Lacks) {
    EXPECT_FALSE(Utf8ToSjis("𠮷野家").has_value());  // outside the BMP
    EXPECT_FALSE(Utf8ToSjis("ゔ").has_value());      // hiragana vu is not in CP932
    EXPECT_FALSE(Utf8ToSjis("한국어").has_value());
}

TEST(ShiftJis, FoldingIsAllowedOnlyWhenAsked) {
    // U+301C WAVE DASH becomes the same byte pair as U+FF5E, so it would come
    // back as a different character: fine for a spoken word, not for a path.
    EXPECT_FALSE(Utf8ToSjis("a〜b.wav", SjisFit::Exact).has_value());
    const auto folded = Utf8ToSjis("a〜b", SjisFit::Folded);
    ASSERT_TRUE(folded.has_value());
    EXPECT_EQ(SjisToUtf8(*folded), "a～b");
    EXPECT_TRUE(Utf8ToSjis("a～b.wav", SjisFit::Exact).has_value());
}

TEST(ShiftJis, InvalidBytesBecomeReplacementCharacters) {
    EXPECT_EQ(SjisToUtf8("A\x80"
                         "B"),
              "A\xEF\xBF\xBD"
              "B");
    EXPECT_EQ(SjisToUtf8("\x82"), "\xEF\xBF\xBD");  // lead byte without its trail
    EXPECT_EQ(SjisToUtf8(std::string("\xFF\xFE\x00z", 4)),
              std::string("\xEF\xBF\xBD\xEF\xBF\xBD\0z", 8));
}

TEST(ShiftJis, PrefixNeverSplitsACharacter) {
    const std::string sjis = *Utf8ToSjis("aあい");  // 1 + 2 + 2 bytes
    EXPECT_EQ(SjisPrefixLength(sjis, 5), 5u);
    EXPECT_EQ(SjisPrefixLength(sjis, 4), 3u);
    EXPECT_EQ(SjisPrefixLength(sjis, 2), 1u);
    EXPECT_EQ(SjisPrefixLength(sjis, 0), 0u);
}

}  // namespace
}  // namespace velmora
