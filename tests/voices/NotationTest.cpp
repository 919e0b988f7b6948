#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kana/Notation.h"

namespace velmora::voice {
namespace {

std::string Kana(std::string_view text) {
    const auto utterance = ParseNotation(text);
    return utterance ? PlainKana(*utterance) : "<refused>";
}

TEST(Notation, KanaTagsAndMarksBecomePlainKana) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"ご'ぜん/<NUMK VAL=10 COUNTER=じ>/<NUMK VAL=15 COUNTER=ふん>+で'す。",
         "ごぜんじゅうじじゅうごふんです。"},
        {"ま'もなく、ご'ご/<NUMK VAL=1 COUNTER=じ>/だよ。", "まもなく、ごごいちじだよ。"},
        {"さ'あ、おきましょう。きょ'うも/いいことがありますよ。",
         "さあ、おきましょう。きょうもいいことがありますよ。"},
        {"なに?", "なに?"},
        {"なに？", "なに?"},
        {"おはよう！", "おはよう。"},
        {"あ,い.", "あ、い。"},
        {"<NUMK  VAL=7   COUNTER=じ>", "しちじ"},
        {"<NUMK COUNTER=じ VAL=7>", "しちじ"},
        {"<NUMK VAL=1 COUNTER=ニン>", "ひとり"},
        {"<NUMK VAL=3.>", "さん"},
        {"へや<NUMK VAL=305.5>ごうしつ", "へやさんびゃくごてんごごうしつ"},
        {"です3.", "ですさん。"},
        {"3.5", "さんてんご"},
    };
    for (const auto& [text, kana] : cases) {
        EXPECT_EQ(Kana(text), kana) << text;
    }
}

// Everything the synthesizer would spell out by name, read wrongly or
// drop is turned into plain hiragana first.
TEST(Notation, NormalisesWhatTheSynthesizerWouldMisread) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"カタカナ", "かたかな"},
        {"ｶﾞｯｺｳ", "がっこう"},
        {"ﾊﾟﾝ｡", "ぱん。"},
        {"ヴァイオリン", "ゔぁいおりん"},
        {"ヷ", "ゔぁ"},
        {"ゔ", "ゔ"},
        {"だよーん。", "だよおん。"},
        {"キャンディー", "きゃんでぃい"},
        {"おきろ〜", "おきろお"},
        {"おきろ～", "おきろお"},
        {"らーめん", "らあめん"},
        {"ぁ", "あ"},
        {"ゃ", "や"},
        {"んゃ", "んや"},
        {"っゃ", "っや"},
        {"きゃゃ", "きゃや"},
        {"ー。", "。"},
        {"こゝろ", "こころ"},
        {"いすゞ", "いすず"},
        {"ヽ", "<refused>"},
        {"ヵ", "か"},
        {"ABC", "ええびいしい"},
        {"xyz", "えっくすわいぜっと"},
        {"ｗ", "だぶりゅう"},
        {"７じ", "しちじ"},
        {"<NUMK VAL=7>じにおきる", "しちじにおきる"},
        {"<NUMK VAL=7>じゃない", "ななじゃない"},
        {"3がつ14にち", "さんがつじゅうよっか"},
        {"10ぷん", "じゅっぷん"},
        {"<NUMK VAL=10 COUNTER=ふん>じ", "じゅっぷんじ"},
    };
    for (const auto& [text, kana] : cases) {
        EXPECT_EQ(Kana(text), kana) << text;
    }
}

TEST(Notation, RefusesWhatItCannotSpeak) {
    for (const char* text : {
             "",
             "七時",
             "あ@",
             "<FOO>",
             "<NUMK VAL=3",
             "<NUMK>",
             "<NUMK VAL=>",
             "<NUMK VAL=x>",
             "<NUMK VAL=-1>",
             "<NUMK VAL=1 COUNTER=時>",
             "<NUMK VAL=1 ATTR=2>",
             "<NUMK VAL=1 VAL=2>",
             "<NUMKVAL=1>",
             "<numk val=1>",
             "あ>",
             "ー",
             "'",
             "//",
             "ﾞ",
             "・",
             "「あ」",
             "あ\xff",
             "あ\xEF\xBF\xBD",
             "한",
             "😀",
             "あ\tい~",
         }) {
        EXPECT_FALSE(ParseNotation(text).has_value()) << text;
    }
}

TEST(Notation, AccentPhrasesKeepTheirMoraeAccentAndEnd) {
    const auto utterance =
        ParseNotation("ご'ぜん/<NUMK VAL=10 COUNTER=じ>/<NUMK VAL=15 COUNTER=ふん>+で'す。");
    ASSERT_TRUE(utterance.has_value());
    const auto& p = utterance->phrases;
    ASSERT_EQ(p.size(), 4u);
    EXPECT_EQ(p[0].morae, (std::vector<std::string>{"ご", "ぜ", "ん"}));
    EXPECT_EQ(p[0].accent, 1);
    EXPECT_EQ(p[0].end, PhraseEnd::Phrase);
    EXPECT_EQ(p[1].morae, (std::vector<std::string>{"じゅ", "う", "じ"}));
    EXPECT_EQ(p[1].accent, 1);  // じゅ'うじ
    EXPECT_EQ(p[2].accent, 3);  // じゅうご'ふん
    EXPECT_EQ(p[2].end, PhraseEnd::Joined);
    EXPECT_EQ(p[3].morae, (std::vector<std::string>{"で", "す"}));
    EXPECT_EQ(p[3].accent, 1);
    EXPECT_EQ(p[3].end, PhraseEnd::Sentence);
}

TEST(Notation, SmallKanaJoinTheMoraBeforeThem) {
    const auto utterance = ParseNotation("きゃっふぁん'ー あ'さ'");
    ASSERT_TRUE(utterance.has_value());
    ASSERT_EQ(utterance->phrases.size(), 2u);
    EXPECT_EQ(utterance->phrases[0].morae,
              (std::vector<std::string>{"きゃ", "っ", "ふぁ", "ん", "ん"}));
    EXPECT_EQ(utterance->phrases[0].accent, 4);
    // Only the first accent mark of a phrase counts.
    EXPECT_EQ(utterance->phrases[1].accent, 1);
}

TEST(Notation, PausesAloneAreAnUtteranceWithoutMorae) {
    const auto utterance = ParseNotation("。");
    ASSERT_TRUE(utterance.has_value());
    EXPECT_FALSE(utterance->HasMorae());
    ASSERT_EQ(utterance->phrases.size(), 1u);
    EXPECT_EQ(utterance->phrases[0].end, PhraseEnd::Sentence);
    EXPECT_TRUE(ParseNotation("。あ")->HasMorae());
}

}  // namespace
}  // namespace velmora::voice
