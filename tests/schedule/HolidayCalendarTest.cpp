#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/ShiftJis.h"
#include "schedule/HolidayCalendar.h"
#include "support/TempDir.h"

namespace velmora {
namespace {

constexpr const char* kHeader = "国民の祝日・休日月日,国民の祝日・休日名称\r\n";

std::string Sjis(const std::string& utf8) {
    return *Utf8ToSjis(utf8);
}

// A list for 2030 that disagrees with the rules on purpose: it moves
// 海の日, drops スポーツの日 and adds a one-off day.
constexpr const char* kList2030 =
    "2030/1/1,元日\r\n"
    "2030/1/14,成人の日\r\n"
    "2030/5/6,休日\r\n"
    "2030/7/22,海の日\r\n"
    "2030/8/12,休日\r\n"
    "2030/9/24,休日\r\n"
    "2030/12/1,即位の礼\r\n";

std::string List2030() {
    return Sjis(std::string(kHeader) + kList2030);
}

std::string NameOn(const HolidayCalendar& calendar, CivilDate date) {
    std::string name = "stale";
    const bool holiday = calendar.IsHoliday(date, name);
    EXPECT_EQ(holiday, !name.empty());
    return name;
}

TEST(HolidayCalendar, PublishedListDecidesTheYearsItCovers) {
    const HolidayCalendar calendar(HolidayTable::Parse(List2030()));
    ASSERT_TRUE(calendar.HasPublishedList());
    EXPECT_EQ(NameOn(calendar, {2030, 1, 1}), "元日");
    EXPECT_EQ(NameOn(calendar, {2030, 7, 22}), "海の日");
    EXPECT_EQ(NameOn(calendar, {2030, 12, 1}), "即位の礼");
    // Days the rules would give but the list leaves out are working days.
    EXPECT_EQ(NameOn(calendar, {2030, 7, 15}), "");
    EXPECT_EQ(NameOn(calendar, {2030, 10, 14}), "");
    EXPECT_EQ(NameOn(calendar, {2030, 2, 11}), "");
}

TEST(HolidayCalendar, PlainDayOffTakesTheRulesName) {
    const HolidayCalendar calendar(HolidayTable::Parse(List2030()));
    EXPECT_EQ(NameOn(calendar, {2030, 5, 6}), "振替休日");
    EXPECT_EQ(NameOn(calendar, {2030, 8, 12}), "振替休日");
    // The rules see nothing special on 9/24 of 2030 (秋分の日 is a Monday).
    EXPECT_EQ(NameOn(calendar, {2030, 9, 24}), "休日");
}

TEST(HolidayCalendar, RulesAnswerOutsideTheList) {
    const HolidayCalendar calendar(HolidayTable::Parse(List2030()));
    EXPECT_EQ(NameOn(calendar, {2029, 2, 12}), "振替休日");
    EXPECT_EQ(NameOn(calendar, {2031, 2, 11}), "建国記念の日");
    EXPECT_EQ(NameOn(calendar, {2031, 1, 1}), "元旦");
}

TEST(HolidayCalendar, WithoutAListTheRulesAnswer) {
    const HolidayCalendar calendar;
    EXPECT_FALSE(calendar.HasPublishedList());
    EXPECT_EQ(NameOn(calendar, {2030, 7, 15}), "海の日");
    EXPECT_EQ(NameOn(calendar, {2030, 12, 1}), "");
}

TEST(HolidayTable, AcceptsTheFileAsPublished) {
    // No header, LF line ends, blanks around fields and a trailing blank
    // line are all tolerated; a day listed twice keeps its first name.
    const auto table =
        HolidayTable::Parse(Sjis("2031/1/1, 元日 \n\n2030/01/01,元日\n"
                                 "2031/1/1,別名\n\n"));
    ASSERT_TRUE(table);
    EXPECT_EQ(table->Size(), 2u);
    EXPECT_TRUE(table->CoversYear(2030));
    EXPECT_TRUE(table->CoversYear(2031));
    EXPECT_FALSE(table->CoversYear(2029));
    ASSERT_NE(table->Find({2031, 1, 1}), nullptr);
    EXPECT_EQ(*table->Find({2031, 1, 1}), "元日");
    EXPECT_EQ(table->Find({2031, 1, 2}), nullptr);
}

TEST(HolidayTable, LeavesOutMalformedLines) {
    const std::string header = Sjis(kHeader);
    const std::string good = Sjis("2030/1/1,元日\r\n");
    const std::pair<const char*, std::string> cases[] = {
        {"no comma", header + good + Sjis("2030/1/14 成人の日\r\n")},
        {"no name", header + good + "2030/1/14,\r\n"},
        {"impossible date", header + good + Sjis("2030/2/30,休日\r\n")},
        {"other date form", header + good + Sjis("2030-01-14,成人の日\r\n")},
        {"two-digit year", header + good + Sjis("30/1/14,成人の日\r\n")},
        {"time of day", header + good + Sjis("2030/1/14 0:00,成人の日\r\n")},
        {"extra column", header + good + Sjis("2030/1/14,成人の日,月曜\r\n")},
        {"not Shift-JIS", header + good + "2030/1/14,\x81\r\n"},
        {"second header", header + good + header},
        {"mistyped first line", "\r\n\r\n" + Sjis("2030/13/1,休日\r\n") + good},
    };
    for (const auto& [what, bytes] : cases) {
        std::vector<int> skipped;
        const auto table = HolidayTable::Parse(bytes, &skipped);
        ASSERT_TRUE(table) << what;
        EXPECT_EQ(table->Size(), 1u) << what;
        EXPECT_EQ(skipped, std::vector<int>{3}) << what;
    }
    // Without a single day there is no list.
    EXPECT_FALSE(HolidayTable::Parse(""));
    EXPECT_FALSE(HolidayTable::Parse(header));
    EXPECT_FALSE(HolidayTable::Parse(header + Sjis("2030/13/1,休日\r\n")));
}

TEST(HolidayCalendar, ReadsTheListFromTheDataFolder) {
    test::TempDir dir;
    test::WriteBytes(dir.File(kHolidayFileName), List2030());
    const HolidayCalendar calendar = HolidayCalendar::ForDataFolder(dir.Path());
    ASSERT_TRUE(calendar.HasPublishedList());
    EXPECT_EQ(NameOn(calendar, {2030, 7, 15}), "");
}

TEST(HolidayCalendar, KeepsTheUsersListHoweverSavedAndTellsWhatItLeftOut) {
    const std::string utf8 = std::string(kHeader) + kList2030;
    const struct {
        const char* what;
        std::string bytes;
        std::string told;  // empty: nothing to tell
    } cases[] = {
        {"UTF-8", utf8, ""},
        {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF" + utf8, ""},
        {"one bad line", List2030() + Sjis("2030/13/1,休日\r\n"), "の 9 行目は読み取れない"},
    };
    for (const auto& [what, bytes, told] : cases) {
        test::TempDir dir;
        test::WriteBytes(dir.File(kHolidayFileName), bytes);
        const HolidayCalendar calendar = HolidayCalendar::ForDataFolder(dir.Path());
        EXPECT_EQ(NameOn(calendar, {2030, 12, 1}), "即位の礼") << what;
        EXPECT_EQ(NameOn(calendar, {2030, 7, 15}), "") << what;
        if (told.empty()) {
            EXPECT_EQ(calendar.Problem(), "") << what;
        } else {
            EXPECT_NE(calendar.Problem().find(dir.File(kHolidayFileName) + "」" + told),
                      std::string::npos)
                << calendar.Problem();
        }
    }
    test::TempDir none;
    EXPECT_FALSE(HolidayCalendar::ForDataFolder(none.Path()).HasPublishedList());
    EXPECT_EQ(HolidayCalendar::ForDataFolder(none.Path()).Problem(), "");
}

}  // namespace
}  // namespace velmora
