#include "speech/CountedNumbers.h"

#include <optional>
#include <span>
#include <utility>

#include "base/NumberReading.h"
#include "base/Utf8.h"

namespace velmora {
namespace {

struct CountedNumber {
    NumberReading reading;
    size_t words;
};

// A number and the counter right after it, starting at words[first].
std::optional<CountedNumber> CountedNumberAt(std::span<const SpokenWord> words, size_t first) {
    if (first > 0 && Touching(words[first - 1], words[first])) {
        // Not from the middle of a number, nor the fraction of 1.5 or the
        // thousands of 1,000, which stay digits for the number tags.
        const std::string_view before = words[first - 1].surface;
        if (words[first - 1].Number() || before.ends_with('.') || before.ends_with(',')) {
            return std::nullopt;
        }
    }
    std::string number;
    size_t next = first;
    while (next < words.size() && words[next].Number() &&
           (next == first || Touching(words[next - 1], words[next]))) {
        number += words[next].surface;
        ++next;
    }
    if (next == words.size() || (next > first && !Touching(words[next - 1], words[next]))) {
        return std::nullopt;
    }
    std::string_view counter = words[next].surface;
    std::optional<NumberReading> reading;
    if (next > first) {
        reading = ReadCountedNumber(number, counter);
    }
    // A pair the dictionary knows as one word is taken apart after other
    // numerals (十 + 九分 is 19 minutes), and on its own only where the
    // dictionary takes it for a date or a time (十二月, 一時): 十分 as
    // "enough", 二分 as "halving" and 万歳 keep their readings.
    if (!reading && (next > first || words[next].Adverbial())) {
        const size_t split = LastCharacterStart(counter);
        number += counter.substr(0, split);
        counter.remove_prefix(split);
        reading = ReadCountedNumber(number, counter);
    }
    if (!reading) {
        return std::nullopt;
    }
    // Of all days only the first is read two ways: ついたち as a date,
    // いちにち as a day's length (今日も一日). A date follows its month.
    if (reading->kana == "ついたち" && !(first > 0 && (words[first - 1].surface.ends_with("月")))) {
        reading = NumberReading{.kana = "いちにち", .nucleus = 4};
    }
    // 半 as a word of its own (1分半) is read with the count, as the
    // dictionary's 時半 is.
    const size_t after = next + 1;
    if (after < words.size() && words[after].surface == "半" &&
        Touching(words[next], words[after])) {
        if (auto half = ReadCountedNumber(number, std::string(counter) + "半")) {
            return CountedNumber{std::move(*half), after + 1 - first};
        }
    }
    return CountedNumber{std::move(*reading), next + 1 - first};
}

}  // namespace

std::vector<SpokenWord> JoinCountedNumbers(const std::vector<SpokenWord>& words) {
    std::vector<SpokenWord> units;
    for (size_t i = 0; i < words.size();) {
        if (auto counted = CountedNumberAt(words, i)) {
            SpokenWord unit;
            unit.typedBegin = words[i].typedBegin;
            unit.typedEnd = words[i + counted->words - 1].typedEnd;
            unit.partOfSpeech = "名詞";
            unit.kind = "数";
            unit.reading = std::move(counted->reading.kana);
            unit.spoken = true;
            unit.nucleus = counted->reading.nucleus;
            unit.counted = true;
            units.push_back(std::move(unit));
            i += counted->words;
        } else {
            units.push_back(words[i]);  // kept: the next number looks back at it
            ++i;
        }
    }
    return units;
}

}  // namespace velmora
