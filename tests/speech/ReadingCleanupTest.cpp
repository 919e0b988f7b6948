#include <gtest/gtest.h>

#include "base/Utf8.h"
#include "speech/ReadingCleanup.h"

namespace velmora {
namespace {

std::string CleanUp(std::string_view reading) {
    return EncodeUtf8(CleanUpReading(DecodeUtf8(reading)));
}

struct CleanUpCase {
    const char* reading;
    const char* phonetic;
};

TEST(ReadingCleanup, TurnsReadingsIntoPhoneticText) {
    const CleanUpCase cases[] = {
        // The worked examples.
        {"７じにおきる", "<NUMK VAL=7>じにおきる"},
        {"「おはよう」ございます？", "、おはよう、ございます?"},
        {"へや３０５．５ごうしつ", "へや<NUMK VAL=305.5>ごうしつ"},
        {"みかづき", "みかずき"},
        // づ and ぢ in hiragana only.
        {"はなぢ", "はなじ"},
        {"ヅラ", "ヅラ"},
        {"ヂ", "ヂ"},
        // Every bracket and the middle dot become pauses.
        {"あ・い(う)え（お）か", "あ、い、う、え、お、か"},
        // Full-width ASCII from 0 to z, nothing outside it.
        {"ａｂｃ", "abc"},
        {"ＡＺ：；＜＝＞＠［＼］＾＿｀", "AZ:;<=>@[\\]^_`"},
        {"！＃／｛｝～", "！＃／｛｝～"},
        {"２０２４．１", "<NUMK VAL=2024.1>"},
        // Number runs.
        {"3.", "<NUMK VAL=3.>"},
        {".5", ".<NUMK VAL=5>"},
        {"1.2.3ばん", "<NUMK VAL=1.2.3>ばん"},
        {"12あ34", "<NUMK VAL=12>あ<NUMK VAL=34>"},
        {"a1b", "a<NUMK VAL=1>b"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CleanUp(c.reading), c.phonetic) << c.reading;
    }
}

TEST(ReadingCleanup, TagsAreScannedOnlyOnce) {
    // The digits inside an inserted tag are never tagged again.
    EXPECT_EQ(EncodeUtf8(TagNumbers(U"10と20")), "<NUMK VAL=10>と<NUMK VAL=20>");
}

TEST(ReadingCleanup, ShiftJisDropsWhatItLacksAndFoldsTheRest) {
    EXPECT_EQ(EncodeUtf8(ThroughShiftJis(U"ゔあ😀い한")), "あい");
    EXPECT_EQ(EncodeUtf8(ThroughShiftJis(U"〜")), "～");
    EXPECT_EQ(EncodeUtf8(ThroughShiftJis(U"カタカナ①髙 ｱ~\\")), "カタカナ①髙 ｱ~\\");
}

TEST(ReadingCleanup, PiecesHoldAtMostTheirLength) {
    EXPECT_TRUE(SplitIntoPieces(U"", 64).empty());
    const std::u32string text = U"abcdefg";
    const auto pieces = SplitIntoPieces(text, 3);
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0], U"abc");
    EXPECT_EQ(pieces[1], U"def");
    EXPECT_EQ(pieces[2], U"g");
    EXPECT_EQ(SplitIntoPieces(U"abcdef", 3).size(), 2u);
}

}  // namespace
}  // namespace velmora
