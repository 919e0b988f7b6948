#include <gtest/gtest.h>

#include "engine/LabelMorae.h"
#include "kana/FullContextLabels.h"

namespace velmora::voice {
namespace {

// The accent levels read back from the labels, "H" or "L" a mora, a blank
// between accent phrases.
std::string Levels(std::string_view text) {
    const auto utterance = ParseNotation(text);
    std::string levels;
    size_t phrase = 0;
    for (const LabelMora& mora : MoraeOfLabels(FullContextLabels(*utterance))) {
        if (mora.phrase != phrase) {
            levels += ' ';
            phrase = mora.phrase;
        }
        levels += mora.high ? 'H' : 'L';
    }
    return levels;
}

// The pitch is shaped mora by mora from what the labels say, so they must
// hold every mora of the notation, each as high or low as the Tokyo
// accent of its phrase puts it.
TEST(LabelMorae, EveryMoraOfTheNotationAtItsAccentLevel) {
    EXPECT_EQ(Levels("あ'めが"), "HLL");
    EXPECT_EQ(Levels("あめが'"), "LHH");
    EXPECT_EQ(Levels("あめが"), "LHH");
    EXPECT_EQ(Levels("あめ'が"), "LHL");
    EXPECT_EQ(Levels("ご'ぜん/<NUMK VAL=10 COUNTER=じ>"), "HLL HLL");
    EXPECT_EQ(Levels("さ'あ、おきましょう。きょ'うも/いいことが"), "HL LHHHH HLL LHHHH");
    EXPECT_EQ(Levels("かっぱ'ー?"), "LHHL");
    EXPECT_EQ(Levels("。き/き"), "H H");
}

TEST(LabelMorae, AQuestionsLastVowelIsVoiced) {
    const auto labels = FullContextLabels(*ParseNotation("です"));
    const std::string& last = labels[labels.size() - 2];
    ASSERT_NE(last.find("-U+"), std::string::npos) << last;
    EXPECT_NE(VoicedLabel(last).find("-u+"), std::string::npos);
    EXPECT_EQ(VoicedLabel(labels.front()), labels.front());
}

}  // namespace
}  // namespace velmora::voice
