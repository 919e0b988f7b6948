#include <gtest/gtest.h>

#include <filesystem>

#include "speech/ReadingConverter.h"
#include "speech/mecab/MecabReadingService.h"

namespace velmora {
namespace {

class MecabReading : public ::testing::Test {
protected:
    void SetUp() override {
        dictionary_ = FindMecabDictionary();
        ASSERT_FALSE(dictionary_.empty()) << "the package mecab-ipadic-utf8 is not installed";
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

TEST_F(MecabReading, ReadsWordsAsTheyArePronounced) {
    const std::pair<const char*, const char*> cases[] = {
        {"今日は良い天気", "きょーわよいてんき"},  // the particle は as わ, long vowels as ー
        {"三日月", "みかずき"},
        {"鼻血が出た", "はなじがでた"},
        {"コーヒーを飲む", "こーひーをのむ"},
        {"東京へ行く", "とーきょーえいく"},
        {"", ""},
    };
    for (const auto& [text, reading] : cases) {
        EXPECT_EQ(Read(text), reading) << text;
    }
}

TEST_F(MecabReading, LeavesDigitsLettersAndSignsAsTyped) {
    const std::pair<const char*, const char*> cases[] = {
        {"3時間寝る", "3じかんねる"},
        // The dictionary sees 3; the digit stays wide.
        {"３時間寝る", "３じかんねる"},
        {"部屋３０５．５号室", "へや３０５．５ごーしつ"},
        {"ABCと漢字！？", "ABCとかんじ！？"},
        {"ＮＨＫを見る", "ＮＨＫをみる"},
        {"「本」・（括弧）", "「ほん」・（かっこ）"},
        {"今日　は 晴れ。", "きょー　わ はれ。"},
        {"ｶﾀｶﾅ", "ｶﾀｶﾅ"},  // unknown to the dictionary: as written
    };
    for (const auto& [text, reading] : cases) {
        EXPECT_EQ(Read(text), reading) << text;
    }
}

TEST_F(MecabReading, ReadsNumbersWithTheirCounters) {
    const std::pair<const char*, const char*> cases[] = {
        {"12月3日", "じゅうにがつみっか"},
        {"１月", "いちがつ"},
        {"4月から", "しがつから"},
        {"７月", "しちがつ"},
        {"九月", "くがつ"},
        {"十二月二十日", "じゅうにがつはつか"},
        {"十二月三十一日", "じゅうにがつさんじゅういちにち"},
        // A numeral before 日 is always a date, however the dictionary split it.
        {"1日", "ついたち"},
        {"一日から", "ついたちから"},
        {"２日", "ふつか"},
        {"三日", "みっか"},
        {"4日", "よっか"},
        {"五日", "いつか"},
        {"６日", "むいか"},
        {"七日", "なのか"},
        {"8日", "ようか"},
        {"九日", "ここのか"},
        {"10日", "とおか"},
        {"十一日", "じゅういちにち"},
        {"１４日", "じゅうよっか"},
        {"17日", "じゅうしちにち"},
        {"十九日", "じゅうくにち"},
        {"20日", "はつか"},
        {"二十四日", "にじゅうよっか"},
        {"30日", "さんじゅうにち"},
        {"4時", "よじ"},
        {"七時", "しちじ"},
        {"９時", "くじ"},
        {"0時", "ぜろじ"},
        {"〇時", "ぜろじ"},
        {"3時に起きる", "さんじにおきる"},
        {"12時30分", "じゅうにじさんじゅっぷん"},
        {"1分", "いっぷん"},
        {"2分", "にふん"},
        {"三分", "さんぷん"},
        {"４分", "よんぷん"},
        {"五分", "ごふん"},
        {"6分", "ろっぷん"},
        {"七分", "ななふん"},
        {"八分", "はっぷん"},
        {"9分", "きゅうふん"},
        {"十分", "じゅっぷん"},
        {"十九分", "じゅうきゅうふん"},
        {"２０分", "にじゅっぷん"},
        {"三十分", "さんじゅっぷん"},
        {"十分です", "じゅーぶんです"},  // "enough" is no count of minutes
        {"4年", "よねん"},
        {"九年", "きゅうねん"},
        {"2026年", "にせんにじゅうろくねん"},
        {"二千二十六年", "にせんにじゅうろくねん"},
        {"二〇二六年", "にせんにじゅうろくねん"},
        {"４秒", "よんびょう"},
        {"七秒", "ななびょう"},
        {"1回", "いっかい"},
        {"六回", "ろっかい"},
        {"８回", "はっかい"},
        {"10回", "じゅっかい"},
        {"1人", "ひとり"},
        {"二人", "ふたり"},
        {"３人", "さんにん"},
        {"四人", "よにん"},
        {"11人", "じゅういちにん"},
        {"1本", "いっぽん"},
        {"2本", "にほん"},
        {"三本", "さんぼん"},
        {"４本", "よんほん"},
        {"六本", "ろっぽん"},
        {"8本", "はっぽん"},
        {"十本", "じゅっぽん"},
        {"100本", "ひゃっぽん"},
        {"一個", "いっこ"},
        {"6個", "ろっこ"},
        {"８個", "はっこ"},
        {"10個", "じゅっこ"},
        {"1円", "いちえん"},
        {"４円", "よえん"},
        {"三百円", "さんびゃくえん"},
        {"600円", "ろっぴゃくえん"},
        {"八百円", "はっぴゃくえん"},
        {"３０００円", "さんぜんえん"},
        {"八千円", "はっせんえん"},
        {"10000円", "いちまんえん"},
        {"一千万円", "いっせんまんえん"},
        {"9999万円", "きゅうせんきゅうひゃくきゅうじゅうきゅうまんえん"},
        {"1歳", "いっさい"},
        {"八歳", "はっさい"},
        {"１０歳", "じゅっさい"},
        {"20歳", "はたち"},
        {"二十歳", "はたち"},
        {"1匹", "いっぴき"},
        {"二匹", "にひき"},
        {"3匹", "さんびき"},
        {"４匹", "よんひき"},
        {"六匹", "ろっぴき"},
        {"8匹", "はっぴき"},
        {"10匹", "じゅっぴき"},
        {"４枚", "よんまい"},
        {"1階", "いっかい"},
        {"2階", "にかい"},
        {"三階", "さんがい"},
        {"４階", "よんかい"},
        {"6階", "ろっかい"},
        {"八階", "はっかい"},
        {"10階", "じゅっかい"},
        {"4番", "よんばん"},
        // Numbers without one of these counters are left to the dictionary
        // and the number tags.
        {"１．５日", "１．５にち"},
        {"万歳", "ばんざい"},
    };
    for (const auto& [text, reading] : cases) {
        EXPECT_EQ(Read(text), reading) << text;
    }
}

TEST_F(MecabReading, ConvertsKanjiPhrasesToPhoneticText) {
    const std::pair<const char*, const char*> cases[] = {
        {"今日は良い天気", "きょーわよいてんき"},
        {"７時に起きる", "しちじにおきる"},
        {"部屋３０５．５号室", "へや<NUMK VAL=305.5>ごーしつ"},
        {"「朝」ですよ？", "、あさ、ですよ?"},
        {"*起きて*", "おきて"},
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
    std::string expected;
    for (int i = 0; i < 20; ++i) {
        expected += "あさごはんを";
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
    service.Close();
    EXPECT_FALSE(service.GetPhonetic("朝").has_value());
}

}  // namespace
}  // namespace velmora
