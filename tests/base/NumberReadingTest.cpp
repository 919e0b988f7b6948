#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/KanaText.h"
#include "base/NumberReading.h"
#include "base/Utf8.h"

namespace velmora {
namespace {

// The reading with "'" after the mora the pitch falls after, as the
// notation writes it; "-" for no reading.
std::string Marked(const std::optional<NumberReading>& reading) {
    if (!reading) {
        return "-";
    }
    std::u32string out;
    int mora = 0;
    for (const char32_t c : DecodeUtf8(reading->kana)) {
        if (!IsSmallKana(c) && mora == reading->nucleus && mora != 0 && !out.empty()) {
            out += U'\'';
        }
        out += c;
        if (!IsSmallKana(c)) {
            ++mora;
        }
    }
    if (mora == reading->nucleus && mora != 0) {
        out += U'\'';
    }
    return EncodeUtf8(out);
}

// A counter in kana is the notation's (digits, decimals); one in kanji the
// own-word reader's (kanji numerals, 半).
std::string Read(const std::string& number, const std::string& counter) {
    const std::u32string decoded = DecodeUtf8(counter);
    const bool kanji = !decoded.empty() && !IsHiragana(decoded[0]);
    return Marked(kanji ? ReadCountedNumber(number, counter) : ReadNumber(number, counter));
}

TEST(NumberReading, ReadsNumbersWithTheirCountersSoundChangesAndAccent) {
    struct Case {
        std::string number;
        std::string counter;
        std::string expected;
    };
    const std::vector<Case> cases = {
        // Plain numbers: flat, leading zeros said, beyond the named units
        // digit by digit.
        {"0", "", "ぜろ"},
        {"4", "", "よん"},
        {"7", "", "なな"},
        {"9", "", "きゅう"},
        {"11", "", "じゅういち"},
        {"99", "", "きゅうじゅうきゅう"},
        {"300", "", "さんびゃく"},
        {"600", "", "ろっぴゃく"},
        {"800", "", "はっぴゃく"},
        {"1000", "", "せん"},
        {"3000", "", "さんぜん"},
        {"8000", "", "はっせん"},
        {"2024", "", "にせんにじゅうよん"},
        {"10000", "", "いちまん"},
        {"11000", "", "いちまんせん"},
        {"10000000", "", "いっせんまん"},
        {"1234567", "", "ひゃくにじゅうさんまんよんせんごひゃくろくじゅうなな"},
        {"100000001", "", "いちおくいち"},
        {"1000000000000", "", "いっちょう"},
        {"8000000000000", "", "はっちょう"},
        {"10000000000000", "", "じゅっちょう"},
        {"10000000000000000", "", "いっけー"},
        {"60000000000000000", "", "ろっけー"},
        {"1000000000000000000", "", "ひゃっけー"},
        {"007", "", "ぜろぜろなな"},
        {"00", "", "ぜろぜろ"},
        {"123456789012345678901", "",
         "いちにさんよんごろくななはちきゅうぜろいちにさんよんごろくななはちきゅうぜろいち"},
        // Decimals: the point geminates like a counter; a counter after the
        // fraction falls on its last digit.
        {"305.5", "", "さんびゃくごてんご"},
        {"3.", "", "さん"},
        {"3..", "", "さん"},
        {"1.5", "", "いってんご"},
        {"6.5", "", "ろくてんご"},
        {"8.5", "", "はってんご"},
        {"10.5", "", "じゅってんご"},
        {"100.5", "", "ひゃくてんご"},
        {"0.5", "", "れーてんご"},
        {"1.05", "", "いってんぜろご"},
        {"1.2.3", "", "いってんにてんさん"},
        {"0.1", "ふん", "れーてんい'っぷん"},
        {"1.5", "じ", "いってんご'じ"},
        {"2.0", "ふん", "にてんぜろ'ふん"},
        // Hours: the fall on the number's last mora that can carry it, and
        // ろ'くじ; in a compound the last part decides.
        {"0", "じ", "れ'ーじ"},
        {"1", "じ", "いち'じ"},
        {"2", "じ", "に'じ"},
        {"3", "じ", "さ'んじ"},
        {"4", "じ", "よ'じ"},
        {"5", "じ", "ご'じ"},
        {"6", "じ", "ろ'くじ"},
        {"7", "じ", "しち'じ"},
        {"8", "じ", "はち'じ"},
        {"9", "じ", "く'じ"},
        {"10", "じ", "じゅ'うじ"},
        {"11", "じ", "じゅういち'じ"},
        {"12", "じ", "じゅうに'じ"},
        {"14", "じ", "じゅうよ'じ"},
        {"16", "じ", "じゅうろ'くじ"},
        {"19", "じ", "じゅうく'じ"},
        {"07", "じ", "ぜろしち'じ"},
        // Minutes.
        {"0", "ふん", "ぜろ'ふん"},
        {"1", "ふん", "い'っぷん"},
        {"2", "ふん", "に'ふん"},
        {"3", "ふん", "さ'んぷん"},
        {"4", "ふん", "よ'んぷん"},
        {"5", "ふん", "ご'ふん"},
        {"6", "ふん", "ろ'っぷん"},
        {"7", "ふん", "なな'ふん"},
        {"8", "ふん", "は'っぷん"},
        {"9", "ふん", "きゅ'うふん"},
        {"10", "ふん", "じゅ'っぷん"},
        {"11", "ふん", "じゅうい'っぷん"},
        {"15", "ふん", "じゅうご'ふん"},
        {"20", "ふん", "にじゅ'っぷん"},
        {"30", "ふん", "さんじゅ'っぷん"},
        {"33", "ふん", "さんじゅうさ'んぷん"},
        {"45", "ふん", "よんじゅうご'ふん"},
        {"46", "ふん", "よんじゅうろ'っぷん"},
        {"59", "ふん", "ごじゅうきゅ'うふん"},
        {"100", "ふん", "ひゃ'っぷん"},
        {"1000", "ふん", "せ'んぷん"},
        // Seconds and years.
        {"1", "びょう", "いち'びょう"},
        {"4", "びょう", "よ'んびょう"},
        {"7", "びょう", "なな'びょう"},
        {"10", "びょう", "じゅ'うびょう"},
        {"4", "ねん", "よ'ねん"},
        {"7", "ねん", "なな'ねん"},
        {"9", "ねん", "きゅ'うねん"},
        {"2024", "ねん", "にせんにじゅうよ'ねん"},
        // Months fall after their つ, but for 3, 5 and 9.
        {"1", "がつ", "いちがつ'"},
        {"2", "がつ", "にがつ'"},
        {"3", "がつ", "さ'んがつ"},
        {"4", "がつ", "しがつ'"},
        {"5", "がつ", "ご'がつ"},
        {"7", "がつ", "しちがつ'"},
        {"9", "がつ", "く'がつ"},
        {"10", "がつ", "じゅうがつ'"},
        {"11", "がつ", "じゅういちがつ'"},
        {"12", "がつ", "じゅうにがつ'"},
        // Days of the month: flat, the first ten and the twentieth as words.
        {"1", "にち", "ついたち"},
        {"2", "にち", "ふつか"},
        {"4", "にち", "よっか"},
        {"6", "にち", "むいか"},
        {"7", "にち", "なのか"},
        {"8", "にち", "よーか"},
        {"9", "にち", "ここのか"},
        {"10", "にち", "とーか"},
        {"010", "にち", "とーか"},
        {"11", "にち", "じゅういちにち"},
        {"14", "にち", "じゅうよっか"},
        {"17", "にち", "じゅうしちにち"},
        {"19", "にち", "じゅうくにち"},
        {"20", "にち", "はつか"},
        {"24", "にち", "にじゅうよっか"},
        // Times, ordinals, yen, long things, pieces, people, ages, animals.
        {"1", "かい", "い'っかい"},
        {"3", "かい", "さ'んかい"},
        {"6", "かい", "ろ'っかい"},
        {"10", "かい", "じゅ'っかい"},
        {"100", "かい", "ひゃ'っかい"},
        {"1", "ばん", "いち'ばん"},
        {"4", "ばん", "よ'んばん"},
        {"9", "ばん", "きゅ'うばん"},
        {"4", "えん", "よ'えん"},
        {"100", "えん", "ひゃく'えん"},
        {"10000", "えん", "いちま'んえん"},
        {"1", "ほん", "い'っぽん"},
        {"3", "ほん", "さ'んぼん"},
        {"4", "ほん", "よ'んほん"},
        {"8", "ほん", "は'っぽん"},
        {"100", "ほん", "ひゃ'っぽん"},
        {"1000", "ほん", "せ'んぼん"},
        {"3", "こ", "さ'んこ"},
        {"6", "こ", "ろ'っこ"},
        {"1", "にん", "ひと'り"},
        {"2", "にん", "ふたり'"},
        {"4", "にん", "よ'にん"},
        {"14", "にん", "じゅうよ'にん"},
        {"1", "さい", "い'っさい"},
        {"6", "さい", "ろく'さい"},
        {"20", "さい", "は'たち"},
        {"100", "さい", "ひゃく'さい"},
        {"3", "ひき", "さ'んびき"},
        {"4", "ひき", "よ'んひき"},
        {"1", "まい", "いち'まい"},
        {"3", "ど", "さ'んど"},
        {"1", "つ", "ひと'つ"},
        {"2", "つ", "ふたつ'"},
        {"9", "つ", "ここ'のつ"},
        {"10", "つ", "と'ー"},
        // A counter without rules of its own is read after the number, flat.
        {"4", "ぺーじ", "よんぺーじ"},
        // Numbers as written in Japanese text, with kanji counters.
        {"12", "時", "じゅうに'じ"},
        {"零", "時", "れ'ーじ"},
        {"〇", "時", "れ'ーじ"},
        {"二十四", "日", "にじゅうよっか"},
        {"二十", "日", "はつか"},
        {"十二", "月", "じゅうにがつ'"},
        {"四", "月", "しがつ'"},
        {"二〇二六", "年", "にせんにじゅうろく'ねん"},
        {"二千二十六", "年", "にせんにじゅうろく'ねん"},
        {"3千", "円", "さんぜ'んえん"},
        {"1000万", "円", "いっせんま'んえん"},
        {"9999万", "円", "きゅうせんきゅうひゃくきゅうじゅうきゅうま'んえん"},
        {"一億", "円", "いちおく'えん"},
        {"1", "人", "ひと'り"},
        {"3", "階", "さんがい"},
        {"4", "階", "よんかい"},
        {"10", "階", "じゅっかい"},
        {"7", "時半", "しちじは'ん"},
        {"1", "分半", "いっぷんは'ん"},
        // No numbers, or no counters the reader knows.
        {"", "", "-"},
        {"abc", "", "-"},
        {".5", "", "-"},
        {"1a", "", "-"},
        {"-1", "", "-"},
        {"1,000", "", "-"},
        {"１", "", "-"},
        {"3", "杯", "-"},
        {"十十", "時", "-"},
        {"二十三四", "時", "-"},
        {"〇十", "時", "-"},
        {"一兆", "円", "-"},
        {"1000000000000", "円", "-"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Read(c.number, c.counter), c.expected) << c.number << " " << c.counter;
    }
}

TEST(NumberReading, CounterAfterANumberIsFoundAsWholeMorae) {
    struct Case {
        std::u32string_view text;
        const char* counter;  // nullptr: none
        size_t length;
    };
    const std::vector<Case> cases = {
        {U"じにおきる", "じ", 1}, {U"じゃない", nullptr, 0}, {U"ぷんかん", "ふん", 2},
        {U"ふ", nullptr, 0},      {U"びょう", "びょう", 3},  {U"ぼん", "ほん", 2},
        {U"にちめ", "にち", 2},   {U"", nullptr, 0},         {U"ごう", nullptr, 0},
    };
    for (const Case& c : cases) {
        const auto match = MatchCounter(c.text);
        if (c.counter == nullptr) {
            EXPECT_FALSE(match.has_value()) << match->counter;
            continue;
        }
        ASSERT_TRUE(match.has_value()) << c.counter;
        EXPECT_EQ(match->counter, c.counter);
        EXPECT_EQ(match->length, c.length);
    }
}

}  // namespace
}  // namespace velmora
