#include "kana/NumberReading.h"

#include <array>
#include <span>
#include <vector>

namespace velmora::voice {
namespace {

// The last word of a number decides how a counter attaches to it.
enum class Tail { Zero, Digit, Ten, Hundred, Thousand, BigUnit };

struct Word {
    std::string text;
    Tail tail;
    int digit = 0;  // for Tail::Digit
};

struct WholeReading {
    int value;
    std::string_view reading;
};

// How a counter word joins the number before it. `geminated` is the form
// after a number that ends in いっ, はっ, じゅっ ... (empty: the number keeps
// its full form); `afterN` the form after a number ending in ん (empty: the
// plain word).
struct CounterRule {
    std::string_view word;
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
constexpr std::array<WholeReading, 2> kPeople = {{{1, "ひとり"}, {2, "ふたり"}}};
constexpr std::array<WholeReading, 1> kAge = {{{20, "はたち"}}};
constexpr std::array<WholeReading, 10> kThings = {{
    {1, "ひとつ"},
    {2, "ふたつ"},
    {3, "みっつ"},
    {4, "よっつ"},
    {5, "いつつ"},
    {6, "むっつ"},
    {7, "ななつ"},
    {8, "やっつ"},
    {9, "ここのつ"},
    {10, "とお"},
}};

const std::array<CounterRule, 16> kCounters = {{
    {.word = "じ", .four = "よ", .seven = "しち", .nine = "く", .zero = "れい"},
    {.word = "ふん",
     .geminated = "ぷん",
     .afterN = "ぷん",
     .geminateSix = true,
     .geminateHundred = true},
    {.word = "びょう"},
    {.word = "ねん", .four = "よ"},
    {.word = "がつ", .four = "し", .seven = "しち", .nine = "く"},
    {.word = "にち",
     .four = "よっ",
     .afterFour = "か",
     .seven = "しち",
     .nine = "く",
     .whole = kDays},
    {.word = "かい", .geminated = "かい", .geminateSix = true, .geminateHundred = true},
    {.word = "ばん"},
    {.word = "えん", .four = "よ"},
    {.word = "ほん",
     .geminated = "ぽん",
     .afterN = "ぼん",
     .afterFour = "ほん",
     .geminateSix = true,
     .geminateHundred = true},
    {.word = "こ", .geminated = "こ", .geminateSix = true, .geminateHundred = true},
    {.word = "にん", .four = "よ", .whole = kPeople},
    {.word = "さい", .geminated = "さい", .geminateHundred = true, .whole = kAge},
    {.word = "ひき",
     .geminated = "ぴき",
     .afterN = "びき",
     .afterFour = "ひき",
     .geminateSix = true,
     .geminateHundred = true},
    {.word = "つ", .whole = kThings},
    {.word = "ど"},
}};

// The full stop of a decimal behaves like a counter: いってん, はってん, じゅってん.
constexpr CounterRule kDecimalPoint = {.word = "てん", .geminated = "てん", .zero = "れい"};

constexpr std::array<std::string_view, 10> kDigits = {
    "ぜろ", "いち", "に", "さん", "よん", "ご", "ろく", "なな", "はち", "きゅう",
};
constexpr std::array<std::string_view, 5> kBigUnits = {"", "まん", "おく", "ちょう", "けい"};
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
        const bool kei = kBigUnits[unit] == "けい";
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

const CounterRule* FindCounter(std::string_view counter) {
    for (const CounterRule& rule : kCounters) {
        if (rule.word == counter) {
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

struct CounterSpelling {
    std::u32string_view written;
    std::string_view counter;
};

// Longest first, so that ふん is not taken for ふ.
constexpr std::array<CounterSpelling, 22> kCounterSpellings = {{
    {U"びょう", "びょう"}, {U"ふん", "ふん"}, {U"ぷん", "ふん"}, {U"ねん", "ねん"},
    {U"がつ", "がつ"},     {U"にち", "にち"}, {U"かい", "かい"}, {U"がい", "かい"},
    {U"ばん", "ばん"},     {U"えん", "えん"}, {U"ほん", "ほん"}, {U"ぼん", "ほん"},
    {U"ぽん", "ほん"},     {U"にん", "にん"}, {U"さい", "さい"}, {U"ひき", "ひき"},
    {U"びき", "ひき"},     {U"ぴき", "ひき"}, {U"じ", "じ"},     {U"こ", "こ"},
    {U"つ", "つ"},         {U"ど", "ど"},
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

std::optional<std::string> ReadNumber(std::string_view value, std::string_view counter) {
    if (value.empty() || value[0] < '0' || value[0] > '9') {
        return std::nullopt;
    }
    for (char c : value) {
        if ((c < '0' || c > '9') && c != '.') {
            return std::nullopt;
        }
    }
    const size_t point = value.find('.');
    const std::string_view integer = value.substr(0, point);
    std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : value.substr(point + 1);
    while (!fraction.empty() && fraction.back() == '.') {
        fraction.remove_suffix(1);  // "3." is just 3
    }

    const CounterRule* known = FindCounter(counter);
    const CounterRule plain{.word = counter};
    const CounterRule& rule = known != nullptr ? *known : plain;
    const std::vector<Word> integerWords = IntegerWords(integer);

    if (fraction.empty()) {
        if (const auto small = SmallValue(integer)) {
            for (const WholeReading& whole : rule.whole) {
                if (whole.value == *small) {
                    return std::string(whole.reading);
                }
            }
        }
        return WithCounter(integerWords, rule);
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
    return out + WithCounter(fractionWords, rule);
}

}  // namespace velmora::voice
