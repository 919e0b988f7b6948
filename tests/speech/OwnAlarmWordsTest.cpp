#include <gtest/gtest.h>

#include "fakes/FakeReadingService.h"
#include "speech/OwnAlarmWords.h"
#include "speech/ReadingConverter.h"

namespace velmora {
namespace {

using test::FakeReadingServices;
using Strings = std::vector<std::string>;

TEST(OwnAlarmWords, SplitsTheMemoIntoPhrases) {
    struct Case {
        Strings memo;
        Strings words;
    };
    const Case cases[] = {
        // Line breaks mean nothing; one mark at each end goes.
        {{"*おはよう*", "こんにちは*"}, {"おはよう", "こんにちは"}},
        {{"おはよう**こんにちは"}, {"おはよう", "", "こんにちは"}},
        {{"**a"}, {"", "a"}},
        {{"a**"}, {"a", ""}},
        {{"*a*b*c*"}, {"a", "b", "c"}},
        {{"お'き", "て\r"}, {"お'きて"}},
        {{"*"}, {""}},
        {{"**"}, {""}},
        {{}, {""}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitAlarmWordMemo(c.memo), c.words) << ::testing::PrintToString(c.memo);
    }
}

TEST(OwnAlarmWords, OnlyKanjiPhrasesAreRead) {
    FakeReadingServices services;
    services.reading = [](std::string_view) { return std::string("あさ"); };
    ReadingConverter converter(services.Factory());
    const OwnAlarmWords words = OwnAlarmWords::FromMemo({"*朝です*お'きて**おきろー。"}, converter);
    EXPECT_EQ(words.OwnWordCount(), 4);
    EXPECT_EQ(words.OwnWords, (Strings{"朝です", "お'きて", "", "おきろー。"}));
    // Kana phrases are already phonetic text, accents and all.
    EXPECT_EQ(words.OwnWordsPhonetic, (Strings{"あさ", "お'きて", "", "おきろー。"}));
    EXPECT_EQ(services.ReadTexts(), Strings{"朝です"});
}

TEST(OwnAlarmWords, AnUnreadablePhraseKeepsItsPlace) {
    FakeReadingServices services;
    services.openFails = true;
    ReadingConverter converter(services.Factory());
    const OwnAlarmWords words = OwnAlarmWords::FromMemo({"起きて*おきて"}, converter);
    EXPECT_EQ(words.OwnWords, (Strings{"起きて", "おきて"}));
    EXPECT_EQ(words.OwnWordsPhonetic, (Strings{"", "おきて"}));
}

TEST(OwnAlarmWords, SavedPhrasesRefillTheMemo) {
    FakeReadingServices services;
    ReadingConverter converter(services.Factory());
    const OwnAlarmWords saved = OwnAlarmWords::FromSaved({"朝\r", "", "よる"}, converter);
    EXPECT_EQ(saved.OwnWords, (Strings{"朝", "", "よる"}));
    EXPECT_EQ(saved.OwnWordsPhonetic, (Strings{"朝", "", "よる"}));
    EXPECT_EQ(saved.MemoLines(), (Strings{"*朝", "*", "*よる"}));
    EXPECT_EQ(SplitAlarmWordMemo(saved.MemoLines()), saved.OwnWords);
}

}  // namespace
}  // namespace velmora
