#include "speech/CounterReading.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "base/KanaText.h"
#include "base/Utf8.h"

namespace velmora {
namespace {

constexpr uint64_t kMan = 10'000;
constexpr uint64_t kOku = 100'000'000;
constexpr uint64_t kLimit = 1'000'000'000'000;  // 一兆: no counter reading goes that far

struct WholeReading {
    uint64_t value;
    std::string_view reading;
    int nucleus = 0;  // the mora the pitch falls after; 0: none
};

// Where the pitch falls in a number read with its counter. Most counters
// leave it on the number's last mora (しち'じ, じゅうに'じ, さんじゅ'っぷん,
// ひゃく'えん); 月 takes it on its own first mora (じゅうにが'つ); dates and
// floors are flat (みっか, はつか, にかい).
enum class CounterAccent { EndOfNumber, OnCounter, Flat };

// Only the last place of a number meets the counter, so only it changes:
// 21本 is にじゅう + いっぽん, 300本 さん + びゃっぽん.
struct Counter {
    char32_t kanji;
    std::string_view word;
    std::array<std::string_view, 9> ones;  // 1 to 9 with the counter
    // The counter after じゅっ and ひゃっ (じゅっぷん, ひゃっぽん); empty when
    // じゅう and ひゃく keep their full form.
    std::string_view geminated = {};
    bool plainHundred = false;  // ひゃくさい, yet じゅっさい
    // The counter after せん and まん (せんぼん, まんびき); empty: `word`.
    std::string_view afterN = {};
    std::span<const WholeReading> whole = {};  // numbers read as one word
    CounterAccent accent = CounterAccent::EndOfNumber;
};

constexpr std::array<WholeReading, 11> kDays = {{
    {1, "ついたち"},
    {2, "ふつか"},
    {3, "みっか"},
    {4, "よっか"},
    {5, "いつか"},
    {6, "むいか"},
    {7, "なのか"},
    {8, "ようか"},
    {9, "ここのか"},
    {10, "とおか"},
    {20, "はつか"},
}};
constexpr std::array<WholeReading, 2> kPeople = {{{1, "ひとり", 2}, {2, "ふたり", 3}}};
constexpr std::array<WholeReading, 1> kAge = {{{20, "はたち", 1}}};

constexpr std::array<Counter, 16> kCounters = {{
    {.kanji = U'年',
     .word = "ねん",
     .ones = {"いちねん", "にねん", "さんねん", "よねん", "ごねん", "ろくねん", "ななねん",
              "はちねん", "きゅうねん"}},
    {.kanji = U'月',
     .word = "がつ",
     .ones = {"いちがつ", "にがつ", "さんがつ", "しがつ", "ごがつ", "ろくがつ", "しちがつ",
              "はちがつ", "くがつ"},
     .accent = CounterAccent::OnCounter},
    {.kanji = U'日',
     .word = "にち",
     .ones = {"いちにち", "ににち", "さんにち", "よっか", "ごにち", "ろくにち", "しちにち",
              "はちにち", "くにち"},
     .whole = kDays,
     .accent = CounterAccent::Flat},
    {.kanji = U'時',
     .word = "じ",
     .ones = {"いちじ", "にじ", "さんじ", "よじ", "ごじ", "ろくじ", "しちじ", "はちじ", "くじ"}},
    {.kanji = U'分',
     .word = "ふん",
     .ones = {"いっぷん", "にふん", "さんぷん", "よんぷん", "ごふん", "ろっぷん", "ななふん",
              "はっぷん", "きゅうふん"},
     .geminated = "ぷん",
     .afterN = "ぷん"},
    {.kanji = U'秒',
     .word = "びょう",
     .ones = {"いちびょう", "にびょう", "さんびょう", "よんびょう", "ごびょう", "ろくびょう",
              "ななびょう", "はちびょう", "きゅうびょう"}},
    {.kanji = U'回',
     .word = "かい",
     .ones = {"いっかい", "にかい", "さんかい", "よんかい", "ごかい", "ろっかい", "ななかい",
              "はっかい", "きゅうかい"},
     .geminated = "かい"},
    {.kanji = U'人',
     .word = "にん",
     .ones = {"いちにん", "ににん", "さんにん", "よにん", "ごにん", "ろくにん", "ななにん",
              "はちにん", "きゅうにん"},
     .whole = kPeople},
    {.kanji = U'本',
     .word = "ほん",
     .ones = {"いっぽん", "にほん", "さんぼん", "よんほん", "ごほん", "ろっぽん", "ななほん",
              "はっぽん", "きゅうほん"},
     .geminated = "ぽん",
     .afterN = "ぼん"},
    {.kanji = U'個',
     .word = "こ",
     .ones = {"いっこ", "にこ", "さんこ", "よんこ", "ごこ", "ろっこ", "ななこ", "はっこ",
              "きゅうこ"},
     .geminated = "こ"},
    {.kanji = U'円',
     .word = "えん",
     .ones = {"いちえん", "にえん", "さんえん", "よえん", "ごえん", "ろくえん", "ななえん",
              "はちえん", "きゅうえん"}},
    {.kanji = U'歳',
     .word = "さい",
     .ones = {"いっさい", "にさい", "さんさい", "よんさい", "ごさい", "ろくさい", "ななさい",
              "はっさい", "きゅうさい"},
     .geminated = "さい",
     .plainHundred = true,
     .whole = kAge},
    {.kanji = U'匹',
     .word = "ひき",
     .ones = {"いっぴき", "にひき", "さんびき", "よんひき", "ごひき", "ろっぴき", "ななひき",
              "はっぴき", "きゅうひき"},
     .geminated = "ぴき",
     .afterN = "びき"},
    {.kanji = U'枚',
     .word = "まい",
     .ones = {"いちまい", "にまい", "さんまい", "よんまい", "ごまい", "ろくまい", "ななまい",
              "はちまい", "きゅうまい"}},
    {.kanji = U'階',
     .word = "かい",
     .ones = {"いっかい", "にかい", "さんがい", "よんかい", "ごかい", "ろっかい", "ななかい",
              "はっかい", "きゅうかい"},
     .geminated = "かい",
     .afterN = "がい",
     .accent = CounterAccent::Flat},
    {.kanji = U'番',
     .word = "ばん",
     .ones = {"いちばん", "にばん", "さんばん", "よんばん", "ごばん", "ろくばん", "ななばん",
              "はちばん", "きゅうばん"}},
}};

// 〇 is ぜろ like 0: the two are the same digit in "二〇二六" and "2026".
constexpr std::array<std::string_view, 10> kDigits = {
    "ぜろ", "いち", "に", "さん", "よん", "ご", "ろく", "なな", "はち", "きゅう",
};

const Counter* FindCounter(std::string_view utf8) {
    const std::u32string text = DecodeUtf8(utf8);
    if (text.size() != 1) {
        return nullptr;
    }
    for (const Counter& counter : kCounters) {
        if (counter.kanji == text[0]) {
            return &counter;
        }
    }
    return nullptr;
}

std::optional<uint64_t> DigitValue(char32_t c) {
    if (c >= U'0' && c <= U'9') {
        return c - U'0';
    }
    const size_t kanji = std::u32string_view(U"〇一二三四五六七八九").find(c);
    if (kanji != std::u32string_view::npos) {
        return kanji;
    }
    return std::nullopt;
}

uint64_t SmallUnit(char32_t c) {
    return c == U'十' ? 10 : c == U'百' ? 100 : c == U'千' ? 1000 : 0;
}

uint64_t LargeUnit(char32_t c) {
    return c == U'万' ? kMan : c == U'億' ? kOku : 0;
}

// Kanji numbers come in two kinds, with place words (二千二十六) or digit by
// digit (二〇二六, like 2026), and either may stand before 万 and 億
// (1000万, 三千万). A number that mixes the kinds within one group, or
// repeats or reverses a place (十十, 十百), is no number.
std::optional<uint64_t> ParseNumber(std::u32string_view text) {
    uint64_t total = 0;      // the groups before 万 and 億
    uint64_t placed = 0;     // this group's 十, 百 and 千
    uint64_t lastPlace = 0;  // the smallest place of this group so far; 0 for none
    uint64_t digits = 0;     // digits not yet given a place
    size_t digitCount = 0;
    uint64_t lastUnit = 0;  // the smallest 万 or 億 so far; 0 for none
    const auto closeGroup = [&]() -> std::optional<uint64_t> {
        // 二十三 has one digit after the place, 二十三四 is no number
        if (lastPlace != 0 && (digitCount > 1 || (digitCount == 1 && digits == 0))) {
            return std::nullopt;
        }
        const uint64_t value = placed + digits;
        placed = lastPlace = digits = digitCount = 0;
        return value;
    };
    for (const char32_t c : text) {
        if (const auto digit = DigitValue(c)) {
            if (++digitCount > 12) {
                return std::nullopt;
            }
            digits = digits * 10 + *digit;
        } else if (const uint64_t place = SmallUnit(c)) {
            // 十, 百 and 千 alone count one; 〇十 and 23十 are no numbers.
            if ((lastPlace != 0 && place >= lastPlace) || digitCount > 1 ||
                (digitCount == 1 && digits == 0)) {
                return std::nullopt;
            }
            placed += (digitCount == 0 ? 1 : digits) * place;
            lastPlace = place;
            digits = digitCount = 0;
        } else if (const uint64_t unit = LargeUnit(c)) {
            const auto group = closeGroup();
            if ((lastUnit != 0 && unit >= lastUnit) || !group || *group == 0 || *group >= kMan) {
                return std::nullopt;
            }
            total += *group * unit;
            lastUnit = unit;
        } else {
            return std::nullopt;
        }
    }
    const bool groupEmpty = lastPlace == 0 && digitCount == 0;
    if (groupEmpty && lastUnit == 0) {
        return std::nullopt;  // the empty text
    }
    const auto group = closeGroup();
    if (!group || (lastUnit != 0 && *group >= kMan) || total + *group >= kLimit) {
        return std::nullopt;
    }
    return total + *group;
}

// いち -> いっ, はち -> はっ: the last kana (three UTF-8 bytes) gives way to
// the small つ.
std::string Geminate(std::string_view kana) {
    return std::string(kana.substr(0, kana.size() - 3)) + "っ";
}

// A digit before じゅう, ひゃく or せん (with whatever follows them): 三百 is
// さんびゃく, 六百 ろっぴゃく, 八千 はっせん, and one of each is the place
// word alone.
std::string Multiplied(uint64_t digit, std::string_view place) {
    if (digit == 1) {
        return std::string(place);
    }
    const std::string_view word = kDigits[digit];
    const std::string_view first = place.substr(0, 3);
    const std::string_view rest = place.substr(3);
    if (first == "ひ" && digit == 3) {
        return std::string(word) + "び" + std::string(rest);
    }
    if (first == "ひ" && (digit == 6 || digit == 8)) {
        return Geminate(word) + "ぴ" + std::string(rest);
    }
    if (first == "せ" && digit == 3) {
        return std::string(word) + "ぜ" + std::string(rest);
    }
    if (first == "せ" && digit == 8) {
        return Geminate(word) + std::string(place);
    }
    return std::string(word) + std::string(place);
}

// 1 to 9999; before 万 and 億 a lone thousand is いっせん (一千万).
std::string GroupReading(uint64_t group, bool beforeUnit) {
    std::string out;
    const uint64_t thousands = group / 1000;
    if (thousands != 0) {
        out += thousands == 1 && beforeUnit ? "いっせん" : Multiplied(thousands, "せん");
    }
    if (const uint64_t hundreds = group / 100 % 10) {
        out += Multiplied(hundreds, "ひゃく");
    }
    if (const uint64_t tens = group / 10 % 10) {
        out += Multiplied(tens, "じゅう");
    }
    if (const uint64_t ones = group % 10) {
        out += kDigits[ones];
    }
    return out;
}

// The number before its last place, which is read with the counter; empty
// for nothing before it.
std::string LeadingReading(uint64_t value) {
    std::string out;
    if (value >= kOku) {
        out += GroupReading(value / kOku, true) + "おく";
    }
    if (const uint64_t man = value / kMan % kMan) {
        out += GroupReading(man, true) + "まん";
    }
    if (const uint64_t rest = value % kMan) {
        out += GroupReading(rest, false);
    }
    return out;
}

// The number read digit by digit into its places, the last place joined
// with the counter.
std::string WithCounter(uint64_t value, const Counter& counter) {
    const std::string word(counter.word);
    const std::string afterN(counter.afterN.empty() ? counter.word : counter.afterN);
    if (value == 0) {
        return std::string(kDigits[0]) + word;
    }
    if (value % kMan == 0) {
        const uint64_t man = value / kMan % kMan;
        if (man == 0) {
            return GroupReading(value / kOku, true) + "おく" + word;
        }
        return LeadingReading(value - man * kMan) + GroupReading(man, true) + "まん" + afterN;
    }
    uint64_t place = 1;
    while (value / place % 10 == 0) {
        place *= 10;
    }
    const uint64_t digit = value / place % 10;
    const std::string leading = LeadingReading(value - digit * place);
    const bool geminates = !counter.geminated.empty();
    const std::string geminated(counter.geminated);
    switch (place) {
        case 1:
            return leading + std::string(counter.ones[digit - 1]);
        case 10:
            return leading + Multiplied(digit, geminates ? "じゅっ" + geminated : "じゅう" + word);
        case 100:
            return leading + Multiplied(digit, geminates && !counter.plainHundred
                                                   ? "ひゃっ" + geminated
                                                   : "ひゃく" + word);
        default:
            return leading + Multiplied(digit, "せん" + afterN);
    }
}

// The morae of a hiragana reading: a small kana belongs to the kana before
// it (じゅ, きゅ), as the voices count them.
std::vector<std::u32string> Morae(std::u32string_view kana) {
    std::vector<std::u32string> morae;
    for (const char32_t c : kana) {
        if (IsSmallKana(c) && !morae.empty() && morae.back().size() == 1) {
            morae.back() += c;
        } else {
            morae.emplace_back(1, c);
        }
    }
    return morae;
}

// ん, っ and the う that lengthens じゅ and きゅ cannot carry the fall, which
// then moves to the mora before: さ'んじ, じゅ'っぷん, きゅ'うふん.
bool CannotCarryFall(const std::vector<std::u32string>& morae, size_t index) {
    const std::u32string& mora = morae[index];
    if (mora == U"ん" || mora == U"っ") {
        return true;
    }
    return mora == U"う" && index > 0 && morae[index - 1].ends_with(U'ゅ');
}

int Nucleus(std::string_view reading, const Counter& counter) {
    const std::vector<std::u32string> morae = Morae(DecodeUtf8(reading));
    const size_t counterMorae = Morae(DecodeUtf8(counter.word)).size();
    size_t last = morae.size() - counterMorae;  // the number's last mora, 1-based
    switch (counter.accent) {
        case CounterAccent::Flat:
            return 0;
        case CounterAccent::OnCounter:
            return static_cast<int>(last + 1);
        case CounterAccent::EndOfNumber:
            break;
    }
    while (last > 1 && CannotCarryFall(morae, last - 1)) {
        --last;
    }
    return static_cast<int>(last);
}

}  // namespace

std::optional<CountedReading> ReadCountedNumber(std::string_view number, std::string_view counter) {
    // 半 after the counter (7時半, which the dictionary knows as one word)
    // adds はん, and the fall moves onto its は: しちじは'ん.
    constexpr std::string_view kHalf = "半";
    const bool half = counter.size() > kHalf.size() && counter.ends_with(kHalf);
    if (half) {
        counter.remove_suffix(kHalf.size());
    }
    const Counter* known = FindCounter(counter);
    if (known == nullptr) {
        return std::nullopt;
    }
    const auto value = ParseNumber(DecodeUtf8(number));
    if (!value) {
        return std::nullopt;
    }
    CountedReading out;
    const auto whole = std::find_if(known->whole.begin(), known->whole.end(),
                                    [&](const WholeReading& w) { return w.value == *value; });
    if (whole != known->whole.end()) {
        out = {.kana = std::string(whole->reading), .nucleus = whole->nucleus};
    } else {
        out.kana = WithCounter(*value, *known);
        out.nucleus = Nucleus(out.kana, *known);
    }
    if (half) {
        out.nucleus = static_cast<int>(Morae(DecodeUtf8(out.kana)).size()) + 1;
        out.kana += "はん";
    }
    return out;
}

}  // namespace velmora
