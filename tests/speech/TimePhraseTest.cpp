#include <gtest/gtest.h>

#include "settings/AlarmWords.h"
#include "speech/TimePhrase.h"

namespace velmora {
namespace {

struct PhraseCase {
    TimeOfDay time;
    const char* spoken;  // with the ending of GobiNo 0
};

TEST(TimePhrase, SaysHourAndMinute) {
    const PhraseCase cases[] = {
        {{7, 0, 0, 0}, "ご'ぜん/<NUMK VAL=7 COUNTER=じ>/で'す。"},
        {{0, 5, 0, 0}, "ご'ぜん/<NUMK VAL=0 COUNTER=じ>/<NUMK VAL=5 COUNTER=ふん>+で'す。"},
        {{12, 0, 0, 0}, "<NUMK VAL=12 COUNTER=じ>/で'す。"},
        {{12, 30, 0, 0}, "<NUMK VAL=12 COUNTER=じ>/<NUMK VAL=30 COUNTER=ふん>+で'す。"},
        {{13, 45, 59, 0}, "ご'ご/<NUMK VAL=1 COUNTER=じ>/<NUMK VAL=45 COUNTER=ふん>+で'す。"},
        {{23, 59, 0, 0}, "ご'ご/<NUMK VAL=11 COUNTER=じ>/<NUMK VAL=59 COUNTER=ふん>+で'す。"},
        // Midnight is hour zero of the morning, never twelve.
        {{0, 0, 0, 0}, "ご'ぜん/<NUMK VAL=0 COUNTER=じ>/で'す。"},
        {{13, 0, 0, 0}, "ご'ご/<NUMK VAL=1 COUNTER=じ>/で'す。"},
        {{11, 59, 0, 0}, "ご'ぜん/<NUMK VAL=11 COUNTER=じ>/<NUMK VAL=59 COUNTER=ふん>+で'す。"},
        // Seconds and milliseconds are dropped, never rounded up.
        {{10, 59, 59, 999}, "ご'ぜん/<NUMK VAL=10 COUNTER=じ>/<NUMK VAL=59 COUNTER=ふん>+で'す。"},
    };
    for (const PhraseCase& c : cases) {
        const DateTime t = EncodeDate(2024, 3, 1) +
                           EncodeTime(c.time.hour, c.time.minute, c.time.second, c.time.msec);
        EXPECT_EQ(TimePhrase(t) + JihoEnding(0), c.spoken)
            << c.time.hour << ':' << c.time.minute << ':' << c.time.second;
    }
}

TEST(TimePhrase, OnlyTheTimeOfDayCounts) {
    const DateTime time = EncodeTime(6, 30, 0);
    EXPECT_EQ(TimePhrase(time), TimePhrase(EncodeDate(1999, 12, 31) + time));
    EXPECT_EQ(TimePhrase(time), TimePhrase(EncodeDate(2100, 2, 28) + time));
}

TEST(TimePhrase, ComposedTexts) {
    // The time-signal pre-announcement of 10:00 with GobiNo 5.
    EXPECT_EQ("ま'もなく、" + TimePhrase(EncodeTime(10, 0, 0)) + JihoEnding(5),
              "ま'もなく、ご'ぜん/<NUMK VAL=10 COUNTER=じ>/だよ。");
    // An alarm at 06:30 that tells the time, GobiNo 0, Word 3.
    EXPECT_EQ(TimePhrase(EncodeTime(6, 30, 0)) + JihoEnding(0) + PresetAlarmWord(3),
              "ご'ぜん/<NUMK VAL=6 COUNTER=じ>/<NUMK VAL=30 COUNTER=ふん>+で'す。"
              "あさだー。おきろー。");
    // GobiNo 7 has no ending at all.
    EXPECT_EQ(TimePhrase(EncodeTime(13, 0, 0)) + JihoEnding(7), "ご'ご/<NUMK VAL=1 COUNTER=じ>/");
}

TEST(TimePhrase, ThreeSecondsAheadSpeaksTheComingMinute) {
    const DateTime now = EncodeDate(2024, 3, 1) + EncodeTime(9, 59, 57);
    EXPECT_EQ(TimePhrase(now + 3 / kSecondsPerDay), "ご'ぜん/<NUMK VAL=10 COUNTER=じ>/");
    EXPECT_EQ(TimePhrase(now), "ご'ぜん/<NUMK VAL=9 COUNTER=じ>/<NUMK VAL=59 COUNTER=ふん>+");
}

}  // namespace
}  // namespace velmora
