#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "dialog/DayList.h"
#include "dialog/NoAlarmMonthDays.h"
#include "dialog/ShortenedPath.h"

namespace velmora {
namespace {

using Items = std::optional<std::vector<std::string>>;

struct SplitCase {
    const char* text;
    Items items;
};

TEST(DayListTest, SplitsAtCommasBlanksAndQuotes) {
    const SplitCase cases[] = {
        {"1, 5,10", Items{{"1", "5", "10"}}},
        {"1 5", Items{{"1", "5"}}},
        {"1,,5", Items{{"1", "", "5"}}},
        {"1,5,", Items{{"1", "5", ""}}},
        {"  3\t,\n 4  ", Items{{"3", "4"}}},
        {"1, ", Items{{"1"}}},  // the comma is not the last character
        {"\"1 2\",3", Items{{"1 2", "3"}}},
        {"\"a\"\"b\"", Items{{"a\"b"}}},
        {"\"\"", Items{{""}}},
        {"", Items{std::vector<std::string>{}}},
        {"\"12", std::nullopt},         // no closing quote
        {"１、２", Items{{"１、２"}}},  // full-width digits and comma are one item
        {"1　2", Items{{"1　2"}}},      // a full-width space does not separate
    };
    for (const SplitCase& c : cases) {
        EXPECT_EQ(SplitDayList(c.text), c.items) << "text: " << c.text;
    }
}

TEST(DayListTest, AcceptsOnlyDaysOneToThirtyOne) {
    using Days = std::optional<std::vector<int>>;
    const std::pair<const char*, Days> cases[] = {
        {"3,31", Days{{3, 31}}}, {"05, 3", Days{{5, 3}}},       {"+7", Days{{7}}},
        {"\"9\"", Days{{9}}},    {"0", std::nullopt},           {"32", std::nullopt},
        {"1,2,", std::nullopt},  // the empty last item reads as 0
        {"1,,2", std::nullopt},  {"１", std::nullopt},          {"3、4", std::nullopt},
        {"x", std::nullopt},     {"99999999999", std::nullopt}, {"\"3", std::nullopt},
    };
    for (const auto& [text, days] : cases) {
        EXPECT_EQ(ParseDayList(text), days) << "text: " << text;
    }
}

TEST(DayListTest, ReadsTypedNumbers) {
    EXPECT_EQ(ReadFormInteger("07"), 7);
    EXPECT_EQ(ReadFormInteger("-1"), -1);
    EXPECT_EQ(ReadFormInteger(""), std::nullopt);
    EXPECT_EQ(ReadFormInteger("-"), std::nullopt);
    EXPECT_EQ(ReadFormInteger(" 7"), std::nullopt);
    EXPECT_EQ(ReadFormInteger("7a"), std::nullopt);
}

TEST(DayListTest, MonthDaysAreReplacedWholeOrNotAtAll) {
    Settings live;
    live.NoAlarmMonthDay[4][1] = true;
    ASSERT_TRUE(StoreMonthDays(live, 4, "20, 5,5"));
    EXPECT_EQ(MonthDaysText(live, 4), "5,20");
    EXPECT_FALSE(StoreMonthDays(live, 4, "5,40"));
    EXPECT_EQ(MonthDaysText(live, 4), "5,20");
    ASSERT_TRUE(StoreMonthDays(live, 4, ""));
    EXPECT_EQ(MonthDaysText(live, 4), "");
    EXPECT_EQ(MonthDaysText(live, 5), "");
}

TEST(ShortenedPathTest, DropsLeadingFoldersUntilItFits) {
    const auto within = [](size_t n) {
        return [n](const std::string& text) { return text.size() <= n; };
    };
    const std::string path = "/home/user/Music/morning/song.mp3";
    EXPECT_EQ(ShortenedPath(path, within(100)), path);
    EXPECT_EQ(ShortenedPath(path, within(28)), "/.../Music/morning/song.mp3");
    EXPECT_EQ(ShortenedPath(path, within(22)), "/.../morning/song.mp3");
    EXPECT_EQ(ShortenedPath(path, within(5)), "/.../song.mp3");  // the name stays whole
    EXPECT_EQ(ShortenedPath("song.mp3", within(3)), "song.mp3");
}

}  // namespace
}  // namespace velmora
