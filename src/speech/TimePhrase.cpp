#include "speech/TimePhrase.h"

namespace velmora {
namespace {

std::string NumberTag(int value, const char* counter) {
    return "<NUMK VAL=" + std::to_string(value) + " COUNTER=" + counter + ">";
}

}  // namespace

std::string TimePhrase(DateTime t) {
    const TimeOfDay time = DecodeTime(t);
    std::string text;
    // Midnight is "zero o'clock in the morning", noon is plain twelve.
    if (time.hour < 12) {
        text = "ご'ぜん/" + NumberTag(time.hour, "じ") + "/";
    } else if (time.hour == 12) {
        text = NumberTag(12, "じ") + "/";
    } else {
        text = "ご'ご/" + NumberTag(time.hour - 12, "じ") + "/";
    }
    if (time.minute != 0) {
        text += NumberTag(time.minute, "ふん") + "+";
    }
    return text;
}

}  // namespace velmora
