#include "kana/PitchScript.h"

namespace velmora::voice {
namespace {

// espeak-ng's embedded command: \001 <value> P sets the pitch from here on.
void SetPitch(std::string& out, int level) {
    out += '\001';
    out += std::to_string(level);
    out += 'P';
}

bool IsHigh(const AccentPhrase& phrase, size_t moraIndex) {
    const size_t position = moraIndex + 1;
    const auto accent = static_cast<size_t>(phrase.accent);
    if (accent == 1) {
        return position == 1;
    }
    if (position == 1 && phrase.morae.size() > 1) {
        return false;
    }
    return accent == 0 || position <= accent;
}

}  // namespace

std::string PitchScript(const Utterance& utterance, PitchLevels levels) {
    std::string out;
    int current = -1;
    for (const AccentPhrase& phrase : utterance.phrases) {
        for (size_t i = 0; i < phrase.morae.size(); ++i) {
            const int level = IsHigh(phrase, i) ? levels.high : levels.low;
            if (level != current) {
                SetPitch(out, level);
                current = level;
            }
            out += phrase.morae[i];
        }
        // A blank parts accent phrases; "+" joins them without one.
        out += phrase.end == PhraseEnd::Phrase ? std::string_view(" ") : EndMark(phrase.end);
    }
    return out;
}

}  // namespace velmora::voice
