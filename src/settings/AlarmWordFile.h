#pragma once

#include <string>
#include <vector>

namespace velmora {

// AlarmWord.txt: the user's own wake-up words, one per line, Shift-JIS,
// CR LF. Reading takes the first `count` lines (fewer if the file is
// shorter); a missing file gives no words.
std::vector<std::string> ReadAlarmWords(const std::string& path, int count);

// Rewrites the file whole and durably. Fails, with a Japanese message in
// `error`, when a word holds a character Shift-JIS lacks or the file cannot
// be written; the old file then stays as it was.
bool WriteAlarmWords(const std::string& path, const std::vector<std::string>& words,
                     std::string& error);

}  // namespace velmora
