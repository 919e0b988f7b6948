#include <gtest/gtest.h>

#include "base/Utf8.h"
#include "kana/KanaText.h"
#include "kana/PitchScript.h"

namespace velmora::voice {
namespace {

constexpr PitchLevels kLevels{.low = 30, .high = 70};
const std::string kLow = "\00130P";
const std::string kHigh = "\00170P";

std::string Script(std::string_view text) {
    return PitchScript(*ParseNotation(text), kLevels);
}

TEST(PitchScript, AccentShapesThePitchOfEachPhrase) {
    // Unaccented: low first mora, then high to the end.
    EXPECT_EQ(Script("あめが"), kLow + "あ" + kHigh + "めが");
    // Accent on the first mora: high, then low.
    EXPECT_EQ(Script("あ'めが"), kHigh + "あ" + kLow + "めが");
    // Accent in the middle: low, high up to the accent, low after it.
    EXPECT_EQ(Script("あめ'が"), kLow + "あ" + kHigh + "め" + kLow + "が");
    // Each phrase starts its own contour.
    EXPECT_EQ(Script("あ'め/あめ+が"), kHigh + "あ" + kLow + "め あ" + kHigh + "めが");
    // A mora of two kana is one step.
    EXPECT_EQ(Script("きゃ'く"), kHigh + "きゃ" + kLow + "く");
    EXPECT_EQ(Script("きゃく'"), kLow + "きゃ" + kHigh + "く");
}

TEST(PitchScript, PausesStayAndNoMarkReachesTheSynthesizer) {
    const std::string script =
        Script("ご'ぜん/<NUMK VAL=10 COUNTER=じ>/<NUMK VAL=15 COUNTER=ふん>+で'す。なに?ね、");
    for (char32_t c : DecodeUtf8(script)) {
        const bool pitchCommand = c == U'\001' || (c >= U'0' && c <= U'9') || c == U'P';
        const bool allowed =
            IsHiragana(c) || pitchCommand || c == U' ' || c == U'、' || c == U'。' || c == U'?';
        EXPECT_TRUE(allowed) << "U+" << std::hex << static_cast<unsigned>(c);
    }
    EXPECT_NE(script.find("で" + kLow + "す。"), std::string::npos);
    EXPECT_NE(script.find("な" + kHigh + "に?"), std::string::npos);
    EXPECT_NE(script.find("ね、"), std::string::npos);
}

}  // namespace
}  // namespace velmora::voice
