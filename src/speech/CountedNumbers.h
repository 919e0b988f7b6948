#pragma once

#include <vector>

#include "speech/SpokenWord.h"

namespace velmora {

// The words with each number and the counter after it (12月, 二十日, 3時半)
// taken together as one word read by the number table, with its accent.
// The dictionary splits numbers in many ways (12 as one word, 二十 as two,
// 3千 as two) and knows a few pairs as one word (十二月, 一時), which must
// be read by the same rules as the rest: 二十日 is はつか whichever way it
// was split. Such a word opens an accent phrase of its own.
std::vector<SpokenWord> JoinCountedNumbers(const std::vector<SpokenWord>& words);

}  // namespace velmora
