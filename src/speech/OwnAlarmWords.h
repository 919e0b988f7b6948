#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/PhoneticConverter.h"

namespace velmora {

// The user's own wake-up phrases: as typed (what AlarmWord.txt keeps) and,
// index for index, as the phonetic text the voices speak.
struct OwnAlarmWords {
    std::vector<std::string> OwnWords;
    std::vector<std::string> OwnWordsPhonetic;

    int OwnWordCount() const { return static_cast<int>(OwnWords.size()); }

    // The memo holds the phrases separated by "*"; its line breaks mean
    // nothing, and one "*" at either end only marks where a phrase starts or
    // stops. Phrases between two adjacent "*" stay, empty, so the user is
    // told about them instead of losing them quietly.
    static OwnAlarmWords FromMemo(const std::vector<std::string>& memoLines,
                                  PhoneticConverter& converter);

    // Phrases read back from AlarmWord.txt.
    static OwnAlarmWords FromSaved(const std::vector<std::string>& savedWords,
                                   PhoneticConverter& converter);

    // The memo as it is refilled from saved phrases: one line per phrase,
    // each starting with "*". It splits back into the same phrases, except
    // that an empty last phrase is taken for the closing mark and goes.
    std::vector<std::string> MemoLines() const;
};

// The memo split into phrases, always at least one.
std::vector<std::string> SplitAlarmWordMemo(const std::vector<std::string>& memoLines);

// A phrase with kanji is read by the converter; any other phrase is already
// written in the voices' notation (accent marks included) and kept as is.
std::string PhoneticAlarmWord(std::string_view word, PhoneticConverter& converter);

}  // namespace velmora
