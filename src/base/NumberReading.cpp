#include "base/NumberReading.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "base/KanaText.h"
#include "base/Utf8.h"

namespace velmora {
namespace {

// The last word of a number decides how a counter attaches to it.
enum class Tail { Zero, Digit, Ten, Hundred, Thousand, BigUnit };

struct Word {
    std::string text;
    Tail tail;
    int digit = 0;  // for Tail::Digit
};

// Numbers read as one word with their counter, with their own accent.
struct WholeReading {
    int value;
    std::string_view reading;
    int nucleus = 0;
};

// Where the pitch falls in a number read with its counter. Most counters
// take it on the number's last mora, so that in a compound the last part
// decides (しち'じ, じゅうご'ふん, さんじゅ'っぷん, ひゃく'えん); months fall
// after their つ but for さ'んがつ, ご'がつ and く'がつ; dates and floors
// are flat (みっか, じゅういちにち, にかい).
enum class CounterAccent { EndOfNumber, Month, Flat };

// How a counter word joins the number before it. `geminated` is the form
// after a number that ends in いっ, はっ, じゅっ ... (empty: the number keeps
// its full form); `afterN` the form after a number ending in ん (empty: the
// plain word).
struct CounterRule {
    std::string_view word;
    char32_t kanji = 0;  // the counter as written in Japanese text; 0: none
    std::string_view geminated = {};
    std::string_view afterN = {};
    std::string_view four = "よん";
    std::string_view afterFour = {};
    std::string_view seven = "なな";
    std::string_view nine = "きゅう";
    std::string_view zero = "ぜろ";
    bool geminateSix = false;
    bool geminateHundred = false;
    std::span<const WholeReading> whole = {};
    CounterAccent accent = CounterAccent::EndOfNumber;
    // ろ'くじ, not ろく'じ as the other digits would have it.
    bool sixFallsOnRo = false;
};

// The long vowels are written ー where the notation would otherwise speak
// the kana as written (よ + う); じゅう and びょう are long by themselves.
constexpr std::array<WholeReading, 11> kDays = {{
    {1, "ついたち"},
    {2, "ふつか"},
    {3, "みっか"},
    {4, "よっか"},
    {5, "いつか"},
    {6, "むいか"},
    {7, "なのか"},
    {8, "よーか"},
    {9, "ここのか"},
    {10, "とーか"},
    {20, "はつか"},
}};
constexpr std::array<WholeReading, 2> kPeople = {{{1, "ひとり", 2}, {2, "ふたり", 3}}};
constexpr std::array<WholeReading, 1> kAge = {{{20, "はたち", 1}}};
constexpr std::array<WholeReading, 10> kThings = {{
    {1, "ひとつ", 2},
    {2, "ふたつ", 3},
    {3, "みっつ", 3},
    {4, "よっつ", 3},
    {5, "いつつ", 2},
    {6, "むっつ", 3},
    {7, "ななつ", 2},
    {8, "やっつ", 3},
    {9, "ここのつ", 2},
    {10, "とー", 1},
}};

// 回 comes before 階, so that the counter かい written in kana is 回.
const std::array<CounterRule, 18> kCounters = {{
    {.word = "じ",
     .kanji = U'時',
     .four = "よ",
     .seven = "しち",
     .nine = "く",
     .zero = "れい",
     .sixFallsOnRo = true},
    {.word = "ふん",
     .kanji = U'分',
     .geminated = "ぷん",
     .afterN = "ぷん",
     .geminateSix = true,
     .geminateHundred = true},
    {.word = "びょう", .kanji = U'秒'},
    {.word = "ねん", .kanji = U'年', .four = "よ"},
    {.word = "がつ",
     .kanji = U'月',
     .four = "し",
     .seven = "しち",
     .nine = "く",
     .accent = CounterAccent::Month},
    {.word = "にち",
     .kanji = U'日',
     .four = "よっ",
     .afterFour = "か",
     .seven = "しち",
     .nine = "く",
     .whole = kDays,
     .accent = CounterAccent::Flat},
    {.word = "かい",
     .kanji = U'回',
     .geminated = "かい",
     .geminateSix = true,
     .geminateHundred = true},
    {.word = "かい",
     .kanji = U'階',
     .geminated = "かい",
     .afterN = "がい",
     .afterFour = "かい",
     .geminateSix = true,
     .geminateHundred = true,
     .accent = CounterAccent::Flat},
    {.word = "ばん", .kanji = U'番'},
    {.word = "えん", .kanji = U'円', .four = "よ"},
    {.word = "ほん",
     .kanji = U'本',
     .geminated = "ぽん",
     .afterN = "ぼん",
     .afterFour = "ほん",
     .geminateSix = true,
     .geminateHundred = true},
    {.word = "こ", .kanji = U'個', .geminated = "こ", .geminateSix = true, .geminateHundred = true},
    {.word = "にん", .kanji = U'人', .four = "よ", .whole = kPeople},
    // ひゃくさい, yet じゅっさい.
    {.word = "さい", .kanji = U'歳', .geminated = "さい", .whole = kAge},
    {.word = "ひき",
     .kanji = U'匹',
     .geminated = "ぴき",
     .afterN = "びき",
     .afterFour = "ひき",
     .geminateSix = true,
     .geminateHundred = true},
    {.word = "まい", .kanji = U'枚'},
    {.word = "つ", .whole = kThings},
    {.word = "ど"},
}};

// The full stop of a decimal behaves like a counter: いってん, はってん, じゅってん.
constexpr CounterRule kDecimalPoint = {.word = "てん", .geminated = "てん", .zero = "れい"};

constexpr std::array<std::string_view, 10> kDigits = {
    "ぜろ", "いち", "に", "さん", "よん", "ご", "ろく", "なな", "はち", "きゅう",
};
constexpr std::array<std::string_view, 5> kBigUnits = {"", "まん", "おく", "ちょう", "けー"};
constexpr size_t kMaxGroupedDigits = 4 * kBigUnits.size();

std::string DigitWord(int digit) {
    return std::string(kDigits[static_cast<size_t>(digit)]);
}

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// いち -> いっ, じゅう -> じゅっ, ひゃく -> ひゃっ: the last kana (three UTF-8
// bytes) gives way to the small つ.
std::string Geminate(std::string_view text) {
    return std::string(text.substr(0, text.size() - 3)) + "っ";
}

void AppendGroup(std::vector<Word>& words, std::string_view group, size_t unit) {
    const auto digit = [&](size_t fromRight) -> int {
        return fromRight < group.size() ? group[group.size() - 1 - fromRight] - '0' : 0;
    };
    const int thousands = digit(3);
    const int hundreds = digit(2);
    const int tens = digit(1);
    const int ones = digit(0);
    if (thousands + hundreds + tens + ones == 0) {
        return;
    }
    if (thousands > 0) {
        std::string text = thousands == 1   ? (unit > 0 ? "いっせん" : "せん")
                           : thousands == 3 ? "さんぜん"
                           : thousands == 8 ? "はっせん"
                                            : DigitWord(thousands) + "せん";
        words.push_back({std::move(text), Tail::Thousand});
    }
    if (hundreds > 0) {
        std::string text = hundreds == 1   ? "ひゃく"
                           : hundreds == 3 ? "さんびゃく"
                           : hundreds == 6 ? "ろっぴゃく"
                           : hundreds == 8 ? "はっぴゃく"
                                           : DigitWord(hundreds) + "ひゃく";
        words.push_back({std::move(text), Tail::Hundred});
    }
    if (tens > 0) {
        words.push_back({(tens == 1 ? "" : DigitWord(tens)) + "じゅう", Tail::Ten});
    }
    if (ones > 0) {
        words.push_back({DigitWord(ones), Tail::Digit, ones});
    }
    if (unit > 0) {
        // 一兆 and 一京 are いっちょう and いっけい; 万 and 億 keep いち.
        Word& last = words.back();
        const bool cho = kBigUnits[unit] == "ちょう";
        const bool kei = kBigUnits[unit] == "けー";
        const bool geminates =
            (cho || kei) && ((last.tail == Tail::Digit && (last.digit == 1 || last.digit == 8)) ||
                             last.tail == Tail::Ten ||
                             (kei && (last.tail == Tail::Hundred ||
                                      (last.tail == Tail::Digit && last.digit == 6))));
        if (geminates) {
            last.text = Geminate(last.text);
        }
        words.push_back({std::string(kBigUnits[unit]), Tail::BigUnit});
    }
}

// Words of an integer given as ASCII digits.
std::vector<Word> IntegerWords(std::string_view digits) {
    std::vector<Word> words;
    size_t zeros = 0;
    while (zeros + 1 < digits.size() && digits[zeros] == '0') {
        ++zeros;
    }
    // Leading zeros are said, as in a room or phone number.
    for (size_t i = 0; i < zeros; ++i) {
        words.push_back({DigitWord(0), Tail::Zero});
    }
    digits.remove_prefix(zeros);
    if (digits == "0") {
        words.push_back({DigitWord(0), Tail::Zero});
        return words;
    }
    if (digits.size() > kMaxGroupedDigits) {
        // Beyond the units we name, digit by digit.
        for (char c : digits) {
            const int d = c - '0';
            words.push_back({DigitWord(d), d == 0 ? Tail::Zero : Tail::Digit, d});
        }
        return words;
    }
    const size_t groups = (digits.size() + 3) / 4;
    const size_t headLength = digits.size() - (groups - 1) * 4;
    AppendGroup(words, digits.substr(0, headLength), groups - 1);
    for (size_t g = 1; g < groups; ++g) {
        AppendGroup(words, digits.substr(headLength + (g - 1) * 4, 4), groups - 1 - g);
    }
    return words;
}

std::string Join(std::span<const Word> words) {
    std::string out;
    for (const Word& word : words) {
        out += word.text;
    }
    return out;
}

// The last word and the counter, with the counter's sound changes.
std::string AttachCounter(const Word& last, const CounterRule& rule) {
    const std::string_view word = rule.word;
    switch (last.tail) {
        case Tail::Zero:
            return std::string(rule.zero) + std::string(word);
        case Tail::Digit: {
            const int d = last.digit;
            const std::string_view text = d == 4   ? rule.four
                                          : d == 7 ? rule.seven
                                          : d == 9 ? rule.nine
                                                   : std::string_view(last.text);
            if (!rule.geminated.empty() && (d == 1 || d == 8 || (d == 6 && rule.geminateSix))) {
                return Geminate(text) + std::string(rule.geminated);
            }
            if (d == 4 && !rule.afterFour.empty()) {
                return std::string(text) + std::string(rule.afterFour);
            }
            if (EndsWith(text, "ん") && !rule.afterN.empty()) {
                return std::string(text) + std::string(rule.afterN);
            }
            return std::string(text) + std::string(word);
        }
        case Tail::Ten:
        case Tail::Hundred:
            if (!rule.geminated.empty() && (last.tail == Tail::Ten || rule.geminateHundred)) {
                return Geminate(last.text) + std::string(rule.geminated);
            }
            return last.text + std::string(word);
        case Tail::Thousand:
        case Tail::BigUnit:
            if (EndsWith(last.text, "ん") && !rule.afterN.empty()) {
                return last.text + std::string(rule.afterN);
            }
            return last.text + std::string(word);
    }
    return last.text + std::string(word);
}

std::string WithCounter(const std::vector<Word>& words, const CounterRule& rule) {
    return Join(std::span(words).first(words.size() - 1)) + AttachCounter(words.back(), rule);
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

size_t MoraCount(std::string_view kana) {
    return Morae(DecodeUtf8(kana)).size();
}

// ん, っ, ー, the う that lengthens じゅ and ちょ and the い that lengthens
// れ cannot carry the fall, which then moves to the mora before: さ'んじ,
// じゅ'っぷん, きゅ'うふん, れ'いじ.
bool CannotCarryFall(const std::vector<std::u32string>& morae, size_t index) {
    const std::u32string& mora = morae[index];
    if (mora == U"ん" || mora == U"っ" || mora == U"ー") {
        return true;
    }
    if (index == 0) {
        return false;
    }
    const std::u32string& before = morae[index - 1];
    return (mora == U"う" && (before.ends_with(U'ゅ') || before.ends_with(U'ょ'))) ||
           (mora == U"い" && before == U"れ");
}

// The fall of `kana`, a number read with the counter `rule`; `last` is the
// number's last word.
int Nucleus(std::string_view kana, const CounterRule& rule, const Word& last) {
    const std::vector<std::u32string> morae = Morae(DecodeUtf8(kana));
    size_t end = morae.size() - MoraCount(rule.word);  // the number's last mora, 1-based
    switch (rule.accent) {
        case CounterAccent::Flat:
            return 0;
        case CounterAccent::Month:
            if (last.tail != Tail::Digit ||
                (last.digit != 3 && last.digit != 5 && last.digit != 9)) {
                return static_cast<int>(morae.size());
            }
            break;
        case CounterAccent::EndOfNumber:
            break;
    }
    while (end > 1 && CannotCarryFall(morae, end - 1)) {
        --end;
    }
    if (rule.sixFallsOnRo && last.tail == Tail::Digit && last.digit == 6) {
        --end;
    }
    return static_cast<int>(end);
}

const CounterRule* FindCounter(std::string_view counter) {
    for (const CounterRule& rule : kCounters) {
        if (rule.word == counter) {
            return &rule;
        }
    }
    return nullptr;
}

const CounterRule* FindKanjiCounter(std::string_view utf8) {
    const std::u32string text = DecodeUtf8(utf8);
    if (text.size() != 1) {
        return nullptr;
    }
    for (const CounterRule& rule : kCounters) {
        if (rule.kanji == text[0]) {
            return &rule;
        }
    }
    return nullptr;
}

std::optional<int> SmallValue(std::string_view digits) {
    if (digits.size() > 4) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

// `value` is checked: ASCII digits and full stops, a digit first.
NumberReading Read(std::string_view value, const CounterRule& rule, bool known) {
    const size_t point = value.find('.');
    const std::string_view integer = value.substr(0, point);
    std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : value.substr(point + 1);
    while (!fraction.empty() && fraction.back() == '.') {
        fraction.remove_suffix(1);  // "3." is just 3
    }
    const std::vector<Word> integerWords = IntegerWords(integer);
    const auto read = [&](std::string kana, const Word& last) {
        const int nucleus = known ? Nucleus(kana, rule, last) : 0;
        return NumberReading{.kana = std::move(kana), .nucleus = nucleus};
    };

    if (fraction.empty()) {
        if (const auto small = SmallValue(integer)) {
            for (const WholeReading& whole : rule.whole) {
                if (whole.value == *small) {
                    return {.kana = std::string(whole.reading), .nucleus = whole.nucleus};
                }
            }
        }
        return read(WithCounter(integerWords, rule), integerWords.back());
    }

    std::string out = WithCounter(integerWords, kDecimalPoint);
    std::vector<Word> fractionWords;
    for (char c : fraction) {
        if (c == '.') {
            fractionWords.push_back({std::string(kDecimalPoint.word), Tail::BigUnit});
            continue;
        }
        const int d = c - '0';
        fractionWords.push_back({DigitWord(d), d == 0 ? Tail::Zero : Tail::Digit, d});
    }
    if (fractionWords.back().tail == Tail::Zero) {
        // 0 after the point is ぜろ whatever the counter says of a whole zero.
        fractionWords.back().tail = Tail::BigUnit;
    }
    return read(out + WithCounter(fractionWords, rule), fractionWords.back());
}

// ---- Kanji numerals ----------------------------------------------------------

constexpr uint64_t kMan = 10'000;
constexpr uint64_t kOku = 100'000'000;
constexpr uint64_t kLimit = 1'000'000'000'000;  // 一兆: no counted number goes that far

// 〇 and 零 are 0 like the digit: 二〇二六 is 2026, 零時 midnight.
std::optional<uint64_t> DigitValue(char32_t c) {
    if (c >= U'0' && c <= U'9') {
        return c - U'0';
    }
    if (c == U'零') {
        return 0;
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

struct CounterSpelling {
    std::u32string_view written;
    std::string_view counter;
};

// Longest first, so that ふん is not taken for ふ.
constexpr std::array<CounterSpelling, 23> kCounterSpellings = {{
    {U"びょう", "びょう"}, {U"ふん", "ふん"}, {U"ぷん", "ふん"}, {U"ねん", "ねん"},
    {U"がつ", "がつ"},     {U"にち", "にち"}, {U"かい", "かい"}, {U"がい", "かい"},
    {U"ばん", "ばん"},     {U"えん", "えん"}, {U"ほん", "ほん"}, {U"ぼん", "ほん"},
    {U"ぽん", "ほん"},     {U"にん", "にん"}, {U"さい", "さい"}, {U"ひき", "ひき"},
    {U"びき", "ひき"},     {U"ぴき", "ひき"}, {U"まい", "まい"}, {U"じ", "じ"},
    {U"こ", "こ"},         {U"つ", "つ"},     {U"ど", "ど"},
}};

bool IsSmallKanaAfter(char32_t c) {
    return std::u32string_view(U"ぁぃぅぇぉゃゅょゎ").find(c) != std::u32string_view::npos;
}

}  // namespace

std::optional<CounterMatch> MatchCounter(std::u32string_view hiragana) {
    for (const CounterSpelling& spelling : kCounterSpellings) {
        if (!hiragana.starts_with(spelling.written)) {
            continue;
        }
        const size_t length = spelling.written.size();
        // じゃ or こぉ is another mora altogether.
        if (length < hiragana.size() && IsSmallKanaAfter(hiragana[length])) {
            continue;
        }
        return CounterMatch{std::string(spelling.counter), length};
    }
    return std::nullopt;
}

std::optional<NumberReading> ReadNumber(std::string_view value, std::string_view counter) {
    if (value.empty() || value[0] < '0' || value[0] > '9') {
        return std::nullopt;
    }
    for (char c : value) {
        if ((c < '0' || c > '9') && c != '.') {
            return std::nullopt;
        }
    }
    if (const CounterRule* known = FindCounter(counter)) {
        return Read(value, *known, true);
    }
    return Read(value, CounterRule{.word = counter}, false);
}

std::optional<NumberReading> ReadCountedNumber(std::string_view number, std::string_view counter) {
    // 半 after the counter (7時半, which the dictionary knows as one word)
    // adds はん, and the fall moves onto its は: しちじは'ん.
    constexpr std::string_view kHalf = "半";
    const bool half = counter.size() > kHalf.size() && counter.ends_with(kHalf);
    if (half) {
        counter.remove_suffix(kHalf.size());
    }
    const CounterRule* rule = FindKanjiCounter(counter);
    if (rule == nullptr) {
        return std::nullopt;
    }
    const auto value = ParseNumber(DecodeUtf8(number));
    if (!value) {
        return std::nullopt;
    }
    NumberReading out = Read(std::to_string(*value), *rule, true);
    if (half) {
        out.nucleus = static_cast<int>(MoraCount(out.kana)) + 1;
        out.kana += "はん";
    }
    return out;
}

}  // namespace velmora
