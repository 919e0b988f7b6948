#include "settings/AlarmWordFile.h"

#include <algorithm>

#include "base/ShiftJis.h"
#include "base/TextUtil.h"
#include "settings/DurableFile.h"

namespace velmora {

std::vector<std::string> ReadAlarmWords(const std::string& path, int count) {
    std::vector<std::string> words;
    if (count < 1) {
        return words;
    }
    const auto bytes = ReadWholeFile(path);
    if (!bytes) {
        return words;
    }
    for (std::string& line : SplitLines(*bytes)) {
        if (static_cast<int>(words.size()) >= count) {
            break;
        }
        line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
        words.push_back(SjisToUtf8(line));
    }
    return words;
}

bool WriteAlarmWords(const std::string& path, const std::vector<std::string>& words,
                     std::string& error) {
    std::string content;
    for (const std::string& word : words) {
        // A word for the voice may lose the difference between look-alike
        // characters (the wave dash and the full-width tilde sound the same).
        const auto sjis = Utf8ToSjis(word, SjisFit::Folded);
        if (!sjis || word.find_first_of("\r\n") != std::string::npos) {
            error = "「" + path + "」に書き込めません。\n「" + word +
                    "」にはShift-JISで保存できない文字が含まれています。";
            return false;
        }
        content += *sjis;
        content += "\r\n";
    }
    return ReplaceFileDurably(path, content, error);
}

}  // namespace velmora
