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
        {"3時に起きる", "3じにおきる"},
        // The dictionary sees 3 and reads 時 as the counter; the digit stays wide.
        {"３時に起きる", "３じにおきる"},
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

TEST_F(MecabReading, ConvertsKanjiPhrasesToPhoneticText) {
    const std::pair<const char*, const char*> cases[] = {
        {"今日は良い天気", "きょーわよいてんき"},
        {"７時に起きる", "<NUMK VAL=7>じにおきる"},
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
