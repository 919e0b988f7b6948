#include <gtest/gtest.h>

#include "base/DateTime.h"

namespace velmora {
namespace {

TEST(DateTime, DayZeroIs18991230AndCountsDays) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(2011, 1, 1), 40544.0);
    EXPECT_EQ(DecodeDate(40544.75), (CivilDate{2011, 1, 1}));
    EXPECT_EQ(DecodeDate(-1.0), (CivilDate{1899, 12, 29}));
}

TEST(DateTime, DecodingRoundsToTheMillisecond) {
    // 7:00 is not exact in binary; it must not decode as 6:59:59.999.
    const DateTime seven = EncodeTime(7, 0, 0);
    EXPECT_EQ(DecodeTime(seven), (TimeOfDay{7, 0, 0, 0}));
    // A moment a hair before midnight belongs to the next day once rounded.
    const DateTime almostMidnight = EncodeDate(2024, 2, 28) + 1.0 - 1e-10;
    EXPECT_EQ(DecodeDate(almostMidnight), (CivilDate{2024, 2, 29}));
    EXPECT_EQ(DecodeTime(almostMidnight), (TimeOfDay{0, 0, 0, 0}));
}

TEST(DateTime, LeapYearsAndMonthLengths) {
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(2100, 2), 28);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_FALSE(IsValidDate(2023, 2, 29));
    EXPECT_FALSE(IsValidDate(2023, 13, 1));
    EXPECT_EQ(EncodeDate(2024, 3, 1) - EncodeDate(2024, 2, 28), 2.0);
}

TEST(DateTime, DayOfWeekStartsSunday) {
    EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 30)), 6);       // Saturday
    EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 7) + 0.9), 1);  // Monday evening
    EXPECT_EQ(DayOfWeek(EncodeDate(2024, 2, 25)), 0);
}

TEST(DateTime, FormatsLikeTheSettingsFile) {
    EXPECT_EQ(FormatDateTime(EncodeDate(2011, 1, 1) + EncodeTime(6, 5, 0)), "2011/01/01 6:05:00");
    EXPECT_EQ(FormatDateTime(EncodeDate(2011, 1, 1)), "2011/01/01");
    EXPECT_EQ(FormatDateTime(0.0), "1899/12/30");
    EXPECT_EQ(FormatDateTime(0.5), "1899/12/30 12:00:00");
    EXPECT_EQ(FormatDateTime(EncodeTime(22, 0, 0)), "1899/12/30 22:00:00");
    EXPECT_EQ(FormatDateTimeFull(EncodeDate(2026, 1, 2) + EncodeTime(7, 8, 9)),
              "2026/01/02 07:08:09");
}

TEST(DateTime, ParsesTheStoredForms) {
    EXPECT_EQ(ParseDateTime("2011/01/01 7:00:00"), EncodeDate(2011, 1, 1) + EncodeTime(7, 0, 0));
    EXPECT_EQ(ParseDateTime("2011/01/01"), EncodeDate(2011, 1, 1));
    EXPECT_EQ(ParseDateTime("1899/12/30 6:30"), EncodeTime(6, 30, 0));
    EXPECT_EQ(ParseDateTime("  2011/1/2 07:08:09 "), EncodeDate(2011, 1, 2) + EncodeTime(7, 8, 9));
}

TEST(DateTime, RejectsWhatIsNotADateTime) {
    for (const char* bad : {"", "abc", "2011/02/30", "2011/13/01", "2011/01/01 24:00",
                            "2011/01/01 7:60", "2011/01/01 7:00:61", "2011-01-01", "2011/01/01x",
                            "2011/01/01 7", "2011/01/01 7:00:00:00", "40544"}) {
        EXPECT_FALSE(ParseDateTime(bad).has_value()) << bad;
    }
}

TEST(DateTime, FormatAndParseRoundTripEverySecondOfADay) {
    const DateTime day = EncodeDate(2011, 1, 1);
    for (int s = 0; s < 86400; s += 7) {
        const DateTime t = day + EncodeTime(s / 3600, s / 60 % 60, s % 60);
        const auto back = ParseDateTime(FormatDateTime(t));
        ASSERT_TRUE(back.has_value()) << FormatDateTime(t);
        EXPECT_TRUE(SameMoment(*back, t)) << FormatDateTime(t);
    }
}

TEST(DateTime, SameMomentIsWithinAMillisecond) {
    const DateTime t = EncodeDate(2026, 12, 7) + EncodeTime(10, 15, 0);
    EXPECT_TRUE(SameMoment(t, t + 0.0009 / kSecondsPerDay));
    EXPECT_FALSE(SameMoment(t, t + 0.002 / kSecondsPerDay));
}

}  // namespace
}  // namespace velmora
