#include "kana/Notation.h"

#include "base/KanaText.h"
#include "base/NumberReading.h"
#include "base/Utf8.h"

namespace velmora::voice {
namespace {

bool IsDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

bool IsBlank(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\r' || c == U'\n' || c == U'　';
}

class NotationReader {
public:
    std::optional<Utterance> Read(std::u32string_view text) {
        size_t pos = 0;
        while (pos < text.size()) {
            const size_t used = ReadOne(text, pos);
            if (used == 0) {
                return std::nullopt;
            }
            pos += used;
        }
        EndPhrase(PhraseEnd::Text);
        if (utterance_.phrases.empty()) {
            return std::nullopt;
        }
        return std::move(utterance_);
    }

private:
    // Reads what starts at text[pos]; returns the characters used, 0 when the
    // text cannot be spoken.
    size_t ReadOne(std::u32string_view text, size_t pos) {
        const char32_t raw = text[pos];
        char32_t kana = 0;
        if (const size_t used = FoldHalfwidthKana(text, pos, kana)) {
            AddKana(kana);
            return used;
        }
        if (IsLongVowelMark(raw)) {
            AddKana(U'ー');
            return 1;
        }
        const char32_t c = FoldFullwidthAscii(raw);
        if (c == U'<') {
            return ReadTag(text, pos);
        }
        if (IsDigit(c)) {
            return ReadBareNumber(text, pos);
        }
        if (const std::string_view name = LetterName(c); !name.empty()) {
            AddKanaText(name);
            return 1;
        }
        if (IsHiragana(c) || IsKatakana(c)) {
            if (const std::u32string_view vu = SpelledOutVu(c); !vu.empty()) {
                for (char32_t k : vu) {
                    AddKana(k);
                }
            } else {
                AddKana(ToHiragana(c));
            }
            return 1;
        }
        switch (c) {
            case U'ゝ':
            case U'ヽ':
                Repeat(false);
                return 1;
            case U'ゞ':
            case U'ヾ':
                Repeat(true);
                return 1;
            case U'\'':
                // A mark written after a number overrides the number's own accent.
                if ((current_.accent == 0 || accentFromNumber_) && !current_.morae.empty()) {
                    current_.accent = static_cast<int>(current_.morae.size());
                    accentFromNumber_ = false;
                }
                return 1;
            case U'/':
                EndPhrase(PhraseEnd::Phrase);
                return 1;
            case U'+':
                EndPhrase(PhraseEnd::Joined);
                return 1;
            case U'、':
            case U',':
            case 0xFF64:  // half-width 、
                EndPhrase(PhraseEnd::Pause);
                return 1;
            case U'。':
            case U'.':
            case U'!':
            case 0xFF61:  // half-width 。
                EndPhrase(PhraseEnd::Sentence);
                return 1;
            case U'?':
                EndPhrase(PhraseEnd::Question);
                return 1;
            default:
                break;
        }
        if (IsBlank(c)) {
            EndPhrase(PhraseEnd::Phrase);
            return 1;
        }
        return 0;
    }

    // <NUMK VAL=305.5 COUNTER=ふん>: the only tag there is.
    size_t ReadTag(std::u32string_view text, size_t pos) {
        const size_t close = text.find(U'>', pos);
        if (close == std::u32string_view::npos) {
            return 0;
        }
        std::u32string_view body = text.substr(pos + 1, close - pos - 1);
        constexpr std::u32string_view kName = U"NUMK";
        if (body.substr(0, kName.size()) != kName) {
            return 0;
        }
        body.remove_prefix(kName.size());
        std::optional<std::string> value;
        std::optional<std::string> counter;
        while (!body.empty()) {
            if (!IsBlank(body.front())) {
                return 0;  // attributes are set apart by blanks
            }
            while (!body.empty() && IsBlank(body.front())) {
                body.remove_prefix(1);
            }
            size_t end = 0;
            while (end < body.size() && !IsBlank(body[end])) {
                ++end;
            }
            const std::u32string_view attribute = body.substr(0, end);
            body.remove_prefix(end);
            if (attribute.empty()) {
                continue;
            }
            if (attribute.starts_with(U"VAL=") && !value) {
                value = AsciiValue(attribute.substr(4));
                if (!value) {
                    return 0;
                }
            } else if (attribute.starts_with(U"COUNTER=") && !counter) {
                counter = CounterWord(attribute.substr(8));
                if (!counter) {
                    return 0;
                }
            } else {
                return 0;
            }
        }
        if (!value) {
            return 0;
        }
        size_t used = close - pos + 1;
        if (!counter) {
            if (const auto match = CounterAfter(text, pos + used)) {
                counter = match->counter;
                used += match->length;
            }
        }
        const auto reading = ReadNumber(*value, counter.value_or(std::string()));
        if (!reading) {
            return 0;
        }
        AddNumber(*reading);
        return used;
    }

    // A number written straight into the text: digits, and full stops that
    // have a digit after them (a final "." ends the sentence instead).
    size_t ReadBareNumber(std::u32string_view text, size_t pos) {
        std::string digits;
        size_t end = pos;
        while (end < text.size()) {
            const char32_t c = FoldFullwidthAscii(text[end]);
            const bool pointBeforeDigit =
                c == U'.' && end + 1 < text.size() && IsDigit(FoldFullwidthAscii(text[end + 1]));
            if (!IsDigit(c) && !pointBeforeDigit) {
                break;
            }
            digits += static_cast<char>(c);
            ++end;
        }
        std::string counter;
        if (const auto match = CounterAfter(text, end)) {
            counter = match->counter;
            end += match->length;
        }
        const auto reading = ReadNumber(digits, counter);
        if (!reading) {
            return 0;
        }
        AddNumber(*reading);
        return end - pos;
    }

    // The counter written in kana right after a number.
    static std::optional<CounterMatch> CounterAfter(std::u32string_view text, size_t pos) {
        constexpr size_t kLongestCounter = 3;
        std::u32string ahead;
        for (size_t i = pos; i < text.size() && ahead.size() <= kLongestCounter; ++i) {
            if (!IsHiragana(text[i]) && !IsKatakana(text[i])) {
                break;
            }
            ahead += ToHiragana(text[i]);
        }
        return MatchCounter(ahead);
    }

    static std::optional<std::string> AsciiValue(std::u32string_view value) {
        std::string out;
        for (char32_t raw : value) {
            const char32_t c = FoldFullwidthAscii(raw);
            if (!IsDigit(c) && c != U'.') {
                return std::nullopt;
            }
            out += static_cast<char>(c);
        }
        return out;
    }

    static std::optional<std::string> CounterWord(std::u32string_view word) {
        std::string out;
        for (char32_t c : word) {
            if (!IsHiragana(c) && !IsKatakana(c) && c != U'ー') {
                return std::nullopt;
            }
            AppendUtf8(out, ToHiragana(c));
        }
        return out;
    }

    // A number read with its counter gives the phrase the number's accent
    // (しち'じ), unless the phrase already has one.
    void AddNumber(const NumberReading& reading) {
        const int before = static_cast<int>(current_.morae.size());
        AddKanaText(reading.kana);
        if (current_.accent == 0 && reading.nucleus != 0) {
            current_.accent = before + reading.nucleus;
            accentFromNumber_ = true;
        }
    }

    // Kana of our own making: number readings and letter names.
    void AddKanaText(std::string_view utf8) {
        for (char32_t c : DecodeUtf8(utf8)) {
            AddKana(c);
        }
    }

    // One hiragana (or ー) into the current phrase, building morae: a small
    // kana joins the kana before it (きゃ, ふぁ), a long mark repeats the
    // vowel before it. A small kana or long mark with nothing to join would
    // be spelled out by the synthesizer as a character name, so it becomes
    // the full-size kana or is dropped.
    void AddKana(char32_t c) {
        std::vector<std::string>& morae = current_.morae;
        if (c == U'ー') {
            const char32_t vowel = morae.empty() ? 0 : VowelOf(LastKana(morae.back()));
            if (vowel != 0) {
                AddMora(vowel, false);
            }
            return;
        }
        if (IsSmallKana(c)) {
            if (canTakeSmall_) {
                AppendUtf8(morae.back(), c);
                canTakeSmall_ = false;
                return;
            }
            c = FullSizeKana(c);
        }
        AddMora(c, c != U'ん' && c != U'っ');
    }

    void AddMora(char32_t c, bool canTakeSmall) {
        std::string mora;
        AppendUtf8(mora, c);
        current_.morae.push_back(std::move(mora));
        canTakeSmall_ = canTakeSmall;
    }

    // ゝ and ゞ repeat the mora before them (voiced for ゞ).
    void Repeat(bool voiced) {
        if (current_.morae.empty()) {
            return;
        }
        const std::u32string mora = DecodeUtf8(current_.morae.back());
        for (size_t i = 0; i < mora.size(); ++i) {
            AddKana(i == 0 && voiced ? VoicedKana(mora[i]) : mora[i]);
        }
    }

    static char32_t LastKana(std::string_view mora) {
        const std::u32string decoded = DecodeUtf8(mora);
        return decoded.empty() ? 0 : decoded.back();
    }

    void EndPhrase(PhraseEnd end) {
        canTakeSmall_ = false;
        const bool pause =
            end == PhraseEnd::Pause || end == PhraseEnd::Sentence || end == PhraseEnd::Question;
        if (current_.morae.empty() && !pause) {
            return;  // "//" or a blank after a pause adds nothing
        }
        current_.end = end;
        utterance_.phrases.push_back(std::move(current_));
        current_ = AccentPhrase{};
        accentFromNumber_ = false;
    }

    Utterance utterance_;
    AccentPhrase current_;
    bool canTakeSmall_ = false;
    bool accentFromNumber_ = false;  // the phrase's accent is a number's, not a mark's
};

}  // namespace

bool Utterance::HasMorae() const {
    for (const AccentPhrase& phrase : phrases) {
        if (!phrase.morae.empty()) {
            return true;
        }
    }
    return false;
}

std::optional<Utterance> ParseNotation(std::string_view utf8) {
    // Malformed UTF-8 decodes to U+FFFD, which the reader refuses like any
    // other character it cannot speak.
    const std::u32string text = DecodeUtf8(utf8);
    if (text.empty()) {
        return std::nullopt;
    }
    return NotationReader().Read(text);
}

std::string_view EndMark(PhraseEnd end) {
    switch (end) {
        case PhraseEnd::Pause:
            return "、";
        case PhraseEnd::Sentence:
            return "。";
        case PhraseEnd::Question:
            return "?";
        case PhraseEnd::Phrase:
        case PhraseEnd::Joined:
        case PhraseEnd::Text:
            break;
    }
    return {};
}

std::string PlainKana(const Utterance& utterance) {
    std::string out;
    for (const AccentPhrase& phrase : utterance.phrases) {
        for (const std::string& mora : phrase.morae) {
            out += mora;
        }
        out += EndMark(phrase.end);
    }
    return out;
}

}  // namespace velmora::voice
