#include <gtest/gtest.h>

#include "schedule/JihoSchedule.h"
#include "settings/SettingsLoader.h"

namespace velmora {
namespace {

DateTime At(int hour, int minute, int second = 0, int msec = 0) {
    return EncodeDate(2024, 3, 5) + EncodeTime(hour, minute, second, msec);
}

Settings Marks(int mode, int interval) {
    Settings s;
    s.JihoMode = mode;
    s.JihoInterval = interval;
    return s;
}

struct MarkCase {
    DateTime t;
    bool mark;
};

void ExpectMarks(const Settings& s, std::initializer_list<MarkCase> cases) {
    for (const MarkCase& c : cases) {
        EXPECT_EQ(IsJihoMoment(s, c.t), c.mark)
            << "mode " << s.JihoMode << " interval " << s.JihoInterval << " at "
            << FormatDateTimeFull(c.t);
    }
}

TEST(IsJihoMoment, MinutesWithinTheHour) {
    ExpectMarks(Marks(0, 15), {
                                  {At(10, 15, 0, 0), true},
                                  {At(10, 15, 0, 900), true},
                                  {At(10, 15, 1, 0), false},
                                  {At(10, 14, 59, 900), false},
                                  {At(10, 0), true},
                                  {At(10, 45), true},
                                  {At(10, 50), false},
                              });
    // Counted from the top of each hour: the last gap of the hour is short.
    ExpectMarks(Marks(0, 7), {
                                 {At(9, 49), true},
                                 {At(9, 56), true},
                                 {At(9, 57), false},
                                 {At(10, 0), true},
                                 {At(10, 3), false},
                             });
}

TEST(IsJihoMoment, HoursWithinTheDay) {
    const Settings every3 = Marks(1, 180);
    for (int hour = 0; hour < 24; ++hour) {
        EXPECT_EQ(IsJihoMoment(every3, At(hour, 0)), hour % 3 == 0) << hour;
    }
    ExpectMarks(every3, {{At(3, 1), false}, {At(3, 0, 1), false}, {At(21, 0, 0, 999), true}});
    ExpectMarks(Marks(1, 300), {{At(20, 0), true}, {At(0, 0), true}, {At(21, 0), false}});
    ExpectMarks(Marks(1, 60), {{At(13, 0), true}, {At(13, 30), false}});
}

TEST(IsJihoMoment, UndividableIntervalsAndUnknownModesMarkNothing) {
    const Settings cases[] = {
        Marks(0, 0),   Marks(0, -15), Marks(1, 0),   Marks(1, 59),
        Marks(1, -60), Marks(2, 60),  Marks(-1, 15),
    };
    for (const Settings& s : cases) {
        ExpectMarks(s, {{At(0, 0), false}, {At(12, 0), false}});
    }
}

TEST(JihoCheckTime, StartsEarlyEnoughToEndOnTheMark) {
    const DateTime now = At(9, 59, 57);
    Settings plain;
    EXPECT_EQ(JihoCheckTime(plain, now, false, 0), now);

    Settings tone;
    tone.JihoBeforeSoundNo = kJihoToneSound;
    EXPECT_TRUE(SameMoment(JihoCheckTime(tone, now, false, 0), At(10, 0)));
    plain.JihoMode = 0;
    plain.JihoInterval = 15;
    tone.JihoMode = 0;
    tone.JihoInterval = 15;
    EXPECT_TRUE(IsJihoMoment(tone, JihoCheckTime(tone, now, false, 0)));
    EXPECT_FALSE(IsJihoMoment(plain, JihoCheckTime(plain, now, false, 0)));

    Settings spoken;
    spoken.SpeakBeforeSound = true;
    spoken.JihoBeforeSoundNo = kJihoToneSound;
    // The first pre-announcement has no measured lead yet: 6 s early.
    EXPECT_TRUE(SameMoment(JihoCheckTime(spoken, At(9, 59, 54), false, 0), At(10, 0)));
    // A lead of 2 s of sound and 4 s of speech: 12 s early.
    EXPECT_TRUE(SameMoment(JihoCheckTime(spoken, At(9, 59, 48), false, 6), At(10, 0)));
    // Then only the tone, 3 s early.
    EXPECT_TRUE(SameMoment(JihoCheckTime(spoken, now, true, 6), At(10, 0)));
}

Settings WithRange(size_t i, DateTime start, DateTime end, int volume) {
    Settings s;
    s.JihoVolume = 50;
    s.JihoRangeStart[i] = start;
    s.JihoRangeEnd[i] = end;
    s.JihoRangeVolume[i] = volume;
    return s;
}

TEST(JihoVolumeNow, RangeOverMidnight) {
    const Settings s = WithRange(0, EncodeTime(22, 0, 0), EncodeTime(6, 0, 0), 10);
    struct Case {
        DateTime now;
        int volume;
    };
    const Case cases[] = {
        // The 06:00 signal starts a few milliseconds after 06:00 and still
        // belongs to the range: ends count to the minute.
        {At(23, 30), 10},      {At(5, 59), 10}, {At(6, 0, 0, 0), 10},
        {At(6, 0, 0, 40), 10}, {At(6, 1), 50},  {At(21, 59, 59, 999), 50},
        {At(22, 0), 10},       {At(0, 0), 10},  {At(12, 0), 50},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(JihoVolumeNow(s, c.now), c.volume) << FormatDateTimeFull(c.now);
    }
}

TEST(JihoVolumeNow, RangeWithinTheDayAndTheFirstMatchWins) {
    Settings s = WithRange(1, EncodeTime(8, 0, 0), EncodeTime(18, 0, 0), 80);
    s.JihoRangeStart[2] = EncodeTime(12, 0, 0);
    s.JihoRangeEnd[2] = EncodeTime(13, 0, 0);
    s.JihoRangeVolume[2] = 20;
    EXPECT_EQ(JihoVolumeNow(s, At(12, 30)), 80);
    EXPECT_EQ(JihoVolumeNow(s, At(7, 59)), 50);
    EXPECT_EQ(JihoVolumeNow(s, At(18, 0)), 80);
    s.JihoRangeStart[0] = EncodeTime(12, 0, 0);
    s.JihoRangeEnd[0] = EncodeTime(12, 45, 0);
    s.JihoRangeVolume[0] = 0;
    EXPECT_EQ(JihoVolumeNow(s, At(12, 30)), 0);
    EXPECT_EQ(JihoVolumeNow(s, At(12, 50)), 80);
}

TEST(JihoVolumeNow, EqualBoundsHoldOnlyThatMinute) {
    const Settings s = WithRange(0, EncodeTime(7, 0, 0), EncodeTime(7, 0, 0), 90);
    EXPECT_EQ(JihoVolumeNow(s, At(7, 0, 0, 0)), 90);
    EXPECT_EQ(JihoVolumeNow(s, At(7, 0, 0, 100)), 90);
    EXPECT_EQ(JihoVolumeNow(s, At(7, 1, 0, 0)), 50);
    EXPECT_EQ(JihoVolumeNow(s, At(6, 59, 59, 999)), 50);
}

TEST(JihoVolumeNow, RangesNotInUseAreSkipped) {
    Settings s = WithRange(0, EncodeTime(0, 0, 0), kRangeUnused, 10);
    s.JihoRangeStart[1] = kRangeUnused;
    s.JihoRangeEnd[1] = EncodeTime(23, 0, 0);
    s.JihoRangeVolume[1] = 20;
    EXPECT_EQ(JihoVolumeNow(s, At(0, 0)), 50);
    EXPECT_EQ(JihoVolumeNow(s, At(22, 0)), 50);
}

}  // namespace
}  // namespace velmora
