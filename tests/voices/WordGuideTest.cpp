#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "base/NumberReading.h"
#include "base/ShiftJis.h"
#include "base/Utf8.h"
#include "kana/Notation.h"
#include "speech/OwnAlarmWords.h"
#include "support/TempDir.h"

namespace velmora::test {
namespace {

std::string Unescape(std::string text) {
    for (const auto& [entity, plain] : std::vector<std::pair<std::string, std::string>>{
             {"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}}) {
        for (size_t at = text.find(entity); at != std::string::npos;
             at = text.find(entity, at + plain.size())) {
            text.replace(at, entity.size(), plain);
        }
    }
    return text;
}

// The cells of one class in the guide's source, unescaped.
std::vector<std::string> Cells(const std::string& html, const std::string& pattern) {
    std::vector<std::string> cells;
    const std::regex cell(pattern);
    for (auto it = std::sregex_iterator(html.begin(), html.end(), cell);
         it != std::sregex_iterator(); ++it) {
        for (size_t group = 1; group < it->size(); ++group) {
            cells.push_back(Unescape((*it)[group].str()));
        }
    }
    return cells;
}

class WordGuideTest : public ::testing::Test {
protected:
    std::string html = ReadBytes(VELMORA_WORD_GUIDE_SOURCE);
};

// What the guide promises is what the voices do: every example is read as
// its reading says, as the voices' own reader takes it.
TEST_F(WordGuideTest, EveryExampleIsReadAsTheGuideSays) {
    const std::vector<std::string> pairs =
        Cells(html, R"(<td class="ok">(.*?)</td>\s*<td class="reading">(.*?)</td>)");
    ASSERT_GE(pairs.size(), 2U * 25);
    for (size_t i = 0; i < pairs.size(); i += 2) {
        const std::string& example = pairs[i];
        EXPECT_TRUE(Utf8ToSjis(example, SjisFit::Folded).has_value()) << example;
        const auto utterance = voice::ParseNotation(example);
        ASSERT_TRUE(utterance.has_value()) << example;
        EXPECT_EQ(voice::PlainKana(*utterance), pairs[i + 1]) << example;
    }
}

TEST_F(WordGuideTest, EveryUnreadableExampleIsRefused) {
    const std::vector<std::string> refused = Cells(html, R"(<td class="ng">(.*?)</td>)");
    ASSERT_GE(refused.size(), 5U);
    for (const std::string& example : refused) {
        EXPECT_FALSE(voice::ParseNotation(example).has_value()) << example;
    }
}

TEST_F(WordGuideTest, TheMemoExampleSplitsIntoWordsTheVoicesRead) {
    const std::vector<std::string> memo = Cells(html, R"(<p class="memo">(.*?)</p>)");
    ASSERT_EQ(memo.size(), 1U);
    std::vector<std::string> lines;
    const std::string& text = memo[0];
    for (size_t start = 0;;) {
        const size_t br = text.find("<br/>", start);
        lines.push_back(text.substr(start, br - start));
        if (br == std::string::npos) {
            break;
        }
        start = br + 5;
    }
    const std::vector<std::string> words = SplitAlarmWordMemo(lines);
    ASSERT_EQ(words.size(), 3U);
    for (const std::string& word : words) {
        EXPECT_TRUE(voice::ParseNotation(word).has_value()) << word;
    }
}

// The counters the guide lists as changing their sound are the ones the
// reader knows, also after a bare number.
TEST_F(WordGuideTest, TheListedCountersAreTheReadersOwn) {
    const std::vector<std::string> list = Cells(html, R"(音が変わる助数詞: (.*?)。)");
    ASSERT_EQ(list.size(), 1U);
    std::vector<std::string> counters;
    for (size_t start = 0; start <= list[0].size();) {
        const size_t comma = list[0].find("、", start);
        counters.push_back(list[0].substr(start, comma - start));
        if (comma == std::string::npos) {
            break;
        }
        start = comma + std::string("、").size();
    }
    EXPECT_EQ(counters.size(), 16U);
    for (const std::string& counter : counters) {
        const auto match = MatchCounter(DecodeUtf8(counter));
        ASSERT_TRUE(match.has_value()) << counter;
        EXPECT_EQ(match->counter, counter);
        EXPECT_TRUE(voice::ParseNotation("<NUMK VAL=4 COUNTER=" + counter + ">").has_value());
    }
}

// The build lays the guide out beside the program, with its text (not
// pictures of it) in Japanese fonts carried inside.
TEST(WordGuidePdf, TheBuiltGuideHoldsItsText) {
    const std::string pdf = VELMORA_WORD_GUIDE_PDF;
    ASSERT_TRUE(std::filesystem::exists(pdf));
    EXPECT_EQ(ReadBytes(pdf).substr(0, 5), "%PDF-");
    TempDir dir;
    const std::string text = dir.File("guide.txt");
    const std::string command = "pdftotext -enc UTF-8 '" + pdf + "' '" + text + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::string content = ReadBytes(text);
    for (const char* expected : {"<NUMK VAL=2024 COUNTER=ねん>", "にせんにじゅうよねん", "はっかい",
                                 "しゃべれません。", "NHK"}) {
        EXPECT_NE(content.find(expected), std::string::npos) << expected;
    }
    EXPECT_GE(std::count(content.begin(), content.end(), '\f'), 3);
}

}  // namespace
}  // namespace velmora::test
