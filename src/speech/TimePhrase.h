#pragma once

#include <string>

#include "base/DateTime.h"

namespace velmora {

// The hour and minute of t as phonetic text for the voices, e.g.
// "ご'ご/<NUMK VAL=1 COUNTER=じ>/<NUMK VAL=45 COUNTER=ふん>+". Callers append the
// ending (and the wake-up words). Seconds are dropped, never rounded: a
// caller that wants the coming minute passes a later time.
std::string TimePhrase(DateTime t);

}  // namespace velmora
