#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "speech/ReadingConverter.h"
#include "speech/mecab/MecabReadingService.h"

namespace velmora {
namespace {

class MecabReading : public ::testing::Test {
protected:
    void SetUp() override {
        dictionary_ = FindMecabDictionary();
        ASSERT_FALSE(dictionary_.empty())
            << "the package open-jtalk-mecab-naist-jdic is not installed";
    }

    std::string Read(std::string_view text) {
        MecabReadingService service(dictionary_);
        EXPECT_TRUE(service.Open());
        const auto reading = service.GetPhonetic(text);
        service.Close();
        return reading.value_or("(failed)");
    }

    std::string Convert(std::string_view text) {
        return ReadingConverter(MecabReadingServiceFactory(dictionary_)).ConvertToPhonetic(text);
    }

    std::string dictionary_;
};

// "'" after the mora the pitch falls after, "/" between accent phrases.
TEST_F(MecabReading, ReadsWordsAsTheyArePronouncedWithTheirAccent) {
    const std::pair<const char*, const char*> cases[] = {
        // The particles は and へ as わ and え, long vowels as ー.
        {"今日は良い天気", "きょ'ーわ/よ'い/て'んき"},
        {"東京へ行く", "とーきょーえ/いく"},
        {"三日月", "みかずき"},
        {"鼻血が出た", "はなじが/でた'"},
        {"", ""},
        // Words that differ by their accent alone.
        {"箸を使う", "は'しを/つかう"},
        {"橋を渡る", "はし'を/わたる"},
        {"端を渡る", "はしを/わたる"},
        {"雨が降る", "あ'めが/ふ'る"},
        {"飴をなめる", "あめを/なめ'る"},
        // The fall after a small kana's mora, and never on ー, ん or っ.
        {"キャンプに行こう", "きゃ'んぷに/いこう"},
        {"コーヒーを飲む", "こーひ'ーを/の'む"},
        {"東京駅", "とーきょ'ーえき"},
        // Compounds: the second noun's fall kept, put on its first mora,
        // or taken away; after the prefix 新 on the word's first mora.
        {"朝ご飯を食べる", "あさご'はんを/たべ'る"},
        {"目覚まし時計", "めざましと'けー"},
        {"ゴミ出しの日", "ごみだしの/ひ"},
        {"新製品", "しんせ'ーひん"},
        // Auxiliaries: です falls on its own first mora after a word with
        // no fall, ます always does, た moves an adjective's fall back.
        {"今日はいい天気です", "きょ'ーわ/い'い/て'んきです"},
        {"学校です", "がっこーで'す"},
        {"おはようございます", "おはよーございま'す"},
        {"鳴っています", "なっていま'す"},
        {"勉強しましょう", "べんきょーしましょ'う"},
        {"美味しかった", "おいし'かった"},
        {"行かなかった", "いかな'かった"},
        {"早く起きてください", "は'やく/おきてくださ'い"},
        {"7時に起きる", "しち'じに/おき'る"},
        // A set phrase the dictionary holds as two accent phrases.
        {"ありがとうございます", "あり'がとー/ございま'す"},
    };
    for (const auto& [text, reading] : cases) {
        EXPECT_EQ(Read(text), reading) << text;
    }
}

TEST_F(MecabReading, LeavesDigitsLettersAndSignsAsTyped) {
    const std::pair<const char*, const char*> cases[] = {
        // The voices read the number with the kana after it, so both stay in
        // one phrase, where no fall can be placed after the digits.
        {"3時間寝る", "3じかん/ねる"},
        // The dictionary sees 3; the digit stays wide.
        {"３時間寝る", "３じかん/ねる"},
        {"部屋３０５．５号室", "へや'/３０５．５ごーしつ"},
        {"ABCと漢字！？", "ABCと/かんじ！？"},
        {"ＮＨＫを見る", "ＮＨＫを/み'る"},
        // Pauses and blanks end a phrase by themselves: no "/" beside them.
        {"「本」・（括弧）", "「ほ'ん」・（か'っこ）"},
        {"今日　は 晴れ。", "きょ'ー　わ はれ'。"},
        {"ｶﾀｶﾅ", "ｶﾀｶﾅ"},  // unknown to the dictionary: as written
    };
    for (const auto& [text, reading] : cases) {
        EXPECT_EQ(Read(text), reading) << text;
    }
}

// How the dictionary's words come together as a number and its counter;
// the readings and accents themselves are the number table's.
TEST_F(MecabReading, ReadsNumbersWithTheirCounters) {
    const std::pair<const char*, const char*> cases[] = {
        // Months: the dictionary's own words (九月, 十二月) and split ones.
        {"12月3日", "じゅうにがつ'/みっか"},
        {"１月", "いちがつ'"},
        {"4月から", "しがつ'から"},
        {"九月", "く'がつ"},
        {"十二月二十日", "じゅうにがつ'/はつか"},
        {"十二月三十一日", "じゅうにがつ'/さんじゅういちにち"},
        // A numeral before 日 is always a date, however the dictionary split it.
        // The first day is a date after its month, else a day's length.
        {"1日", "いちにち'"},
        {"今日も一日", "きょ'ーも/いちにち'"},
        {"4月1日から", "しがつ'/ついたちから"},
        {"２日", "ふつか"},
        {"三日", "みっか"},
        {"8日", "よーか"},
        {"九日", "ここのか"},
        {"十一日", "じゅういちにち"},
        {"１４日", "じゅうよっか"},
        {"十九日", "じゅうくにち"},
        {"20日", "はつか"},
        {"二十四日", "にじゅうよっか"},
        {"30日", "さんじゅうにち"},
        {"4時", "よ'じ"},
        {"七時", "しち'じ"},
        {"９時", "く'じ"},
        {"0時", "れ'ーじ"},
        {"〇時", "れ'ーじ"},
        {"3時に起きる", "さ'んじに/おき'る"},
        {"12時30分", "じゅうに'じ/さんじゅ'っぷん"},
        {"7時半に起きる", "しちじは'んに/おき'る"},
        {"1分半", "いっぷんは'ん"},
        {"三分", "さ'んぷん"},
        {"４分", "よ'んぷん"},
        {"9分", "きゅ'うふん"},
        {"十分", "じゅーぶ'ん"},  // "enough" to the dictionary, no count of minutes
        {"十九分", "じゅうきゅ'うふん"},
        {"２０分", "にじゅ'っぷん"},
        {"三十分", "さんじゅ'っぷん"},
        {"2026年", "にせんにじゅうろく'ねん"},
        {"二千二十六年", "にせんにじゅうろく'ねん"},
        {"二〇二六年", "にせんにじゅうろく'ねん"},
        {"七秒", "なな'びょう"},
        {"六回", "ろ'っかい"},
        {"1人", "ひと'り"},
        {"二人", "ふたり'"},
        {"11人", "じゅういち'にん"},
        {"100本", "ひゃ'っぽん"},
        {"８個", "は'っこ"},
        {"３０００円", "さんぜ'んえん"},
        {"一千万円", "いっせんま'んえん"},
        {"9999万円", "きゅうせんきゅうひゃくきゅうじゅうきゅうま'んえん"},
        {"二十歳", "は'たち"},
        {"六匹", "ろ'っぴき"},
        {"４枚", "よ'んまい"},
        {"三階", "さんがい"},
        {"4番", "よ'んばん"},
        // Numbers without one of these counters are left to the dictionary
        // and the number tags.
        {"１．５日", "１．５にち"},
        {"万歳", "ばんざ'い"},
    };
    for (const auto& [text, reading] : cases) {
        EXPECT_EQ(Read(text), reading) << text;
    }
}

TEST_F(MecabReading, ConvertsKanjiPhrasesToPhoneticText) {
    const std::pair<const char*, const char*> cases[] = {
        {"今日は良い天気", "きょ'ーわ/よ'い/て'んき"},
        {"７時に起きる", "しち'じに/おき'る"},
        {"部屋３０５．５号室", "へや'/<NUMK VAL=305.5>ごーしつ"},
        {"「朝」ですよ？", "、あ'さ、で'すよ?"},
        {"*起きて*", "おき'て"},
    };
    for (const auto& [text, phonetic] : cases) {
        EXPECT_EQ(Convert(text), phonetic) << text;
    }
}

TEST_F(MecabReading, LongPhrasesAreReadPieceByPiece) {
    std::string text;
    for (int i = 0; i < 20; ++i) {
        text += "朝ご飯を";  // 4 characters, 80 in all
    }
    // The first piece ends after 16 of them; the next starts a phrase of
    // its own, marked as one.
    std::string expected;
    for (int i = 0; i < 20; ++i) {
        expected += i == 0 ? "あさご'はんを" : "/あさご'はんを";
    }
    EXPECT_EQ(Convert(text), expected);
}

TEST_F(MecabReading, OnlyTheUtf8DictionaryIsAccepted) {
    EXPECT_FALSE(MecabReadingService("/nonexistent/dictionary").Open());
    EXPECT_FALSE(MecabReadingService("").Open());
    EXPECT_EQ(ReadingConverter(MecabReadingServiceFactory("/nonexistent")).ConvertToPhonetic("朝"),
              "");
    const std::string eucJp = "/var/lib/mecab/dic/ipadic";
    if (std::filesystem::exists(eucJp + "/sys.dic")) {
        EXPECT_FALSE(MecabReadingService(eucJp).Open());
    }
}

TEST_F(MecabReading, ReadingNeedsAnOpenService) {
    MecabReadingService service(dictionary_);
    EXPECT_FALSE(service.GetPhonetic("朝").has_value());
    ASSERT_TRUE(service.Open());
    // The folder that gives the dictionary its settings is gone once it is open.
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    ASSERT_NE(runtime, nullptr);
    for (const auto& entry : std::filesystem::directory_iterator(runtime)) {
        EXPECT_FALSE(entry.path().filename().string().starts_with("velmora-dictionary-"))
            << entry.path();
    }
    EXPECT_EQ(service.GetPhonetic("朝"), "あ'さ");
    service.Close();
    EXPECT_FALSE(service.GetPhonetic("朝").has_value());
}

}  // namespace
}  // namespace velmora
