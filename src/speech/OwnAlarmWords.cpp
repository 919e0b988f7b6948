#include "speech/OwnAlarmWords.h"

#include <algorithm>

#include "settings/AlarmWords.h"

namespace velmora {
namespace {

std::vector<std::string> ToPhonetic(const std::vector<std::string>& words,
                                    PhoneticConverter& converter) {
    std::vector<std::string> phonetic;
    phonetic.reserve(words.size());
    for (const std::string& word : words) {
        phonetic.push_back(PhoneticAlarmWord(word, converter));
    }
    return phonetic;
}

}  // namespace

std::vector<std::string> SplitAlarmWordMemo(const std::vector<std::string>& memoLines) {
    std::string text;
    for (const std::string& line : memoLines) {
        text += line;
    }
    std::erase(text, '\r');
    if (!text.empty() && text.front() == '*') {
        text.erase(0, 1);
    }
    if (!text.empty() && text.back() == '*') {
        text.pop_back();
    }
    std::vector<std::string> words;
    size_t start = 0;
    for (size_t star = text.find('*'); star != std::string::npos; star = text.find('*', start)) {
        words.push_back(text.substr(start, star - start));
        start = star + 1;
    }
    words.push_back(text.substr(start));
    return words;
}

std::string PhoneticAlarmWord(std::string_view word, PhoneticConverter& converter) {
    return ContainsKanji(word) ? converter.ConvertToPhonetic(word) : std::string(word);
}

OwnAlarmWords OwnAlarmWords::FromMemo(const std::vector<std::string>& memoLines,
                                      PhoneticConverter& converter) {
    OwnAlarmWords words;
    words.OwnWords = SplitAlarmWordMemo(memoLines);
    words.OwnWordsPhonetic = ToPhonetic(words.OwnWords, converter);
    return words;
}

OwnAlarmWords OwnAlarmWords::FromSaved(const std::vector<std::string>& savedWords,
                                       PhoneticConverter& converter) {
    OwnAlarmWords words;
    words.OwnWords = savedWords;
    for (std::string& word : words.OwnWords) {
        std::erase(word, '\r');
    }
    words.OwnWordsPhonetic = ToPhonetic(words.OwnWords, converter);
    return words;
}

std::vector<std::string> OwnAlarmWords::MemoLines() const {
    std::vector<std::string> lines;
    lines.reserve(OwnWords.size());
    for (const std::string& word : OwnWords) {
        lines.push_back('*' + word);
    }
    return lines;
}

}  // namespace velmora
