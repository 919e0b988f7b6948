#include "kana/PhraseWords.h"

#include <algorithm>
#include <array>
#include <string>

namespace velmora::voice {
namespace {

struct WordClass {
    std::string_view pos;
    std::string_view type = "xx";
    std::string_view form = "xx";
};

constexpr WordClass kNoun{"02"};
constexpr WordClass kCaseParticle{"13"};
constexpr WordClass kAdverbialParticle{"11"};
constexpr WordClass kOtherParticle{"23"};  // の, や and the question か
constexpr WordClass kBindingParticle{"24"};
constexpr WordClass kFinalParticle{"14"};
constexpr WordClass kConjunctiveParticle{"12"};
constexpr WordClass kAuxiliary{"10", "7", "2"};              // です, ます, だ, た
constexpr WordClass kAuxiliaryContinuative{"10", "7", "1"};  // でし(た), まし(た), だっ(た)
constexpr WordClass kAuxiliaryIrrealis{"10", "7", "0"};  // でしょう, ましょう, ませ(ん)
constexpr WordClass kNegative{"10", "6", "2"};           // (ませ)ん
constexpr WordClass kGozaru{"10", "1", "1"};             // (で)ござい(ます)

// Where a word stands in the tail of an accent phrase: after the content
// word come case and binding particles, or auxiliaries; final particles
// close the phrase.
enum class Slot { Final, Auxiliary, Binding, Case };

struct TailWord {
    std::string_view kana;
    WordClass pos;
};

// A tail word, or a few that always come together (ました = まし + た).
struct TailEntry {
    Slot slot = Slot::Case;
    std::array<TailWord, 3> parts;
    size_t partCount = 1;
};

// The particles and auxiliaries the guesser knows, in the phonetic spelling
// the notation uses (the topic は is written わ, the direction へ え; a
// long mark is the vowel it repeats, so よーん is よおん).
constexpr std::array<TailEntry, 33> kTails = {{
    {Slot::Final, {{{"か", kOtherParticle}}}},
    {Slot::Final, {{{"ね", kFinalParticle}}}},
    {Slot::Final, {{{"よ", kFinalParticle}}}},
    {Slot::Final, {{{"ぞ", kFinalParticle}}}},
    {Slot::Final, {{{"かしら", kFinalParticle}}}},
    {Slot::Final, {{{"か", kOtherParticle}, {"な", kFinalParticle}}}, 2},
    {Slot::Final, {{{"けど", kConjunctiveParticle}}}},
    {Slot::Final, {{{"ので", kConjunctiveParticle}}}},
    {Slot::Final, {{{"よお", kFinalParticle}, {"ん", kFinalParticle}}}, 2},
    {Slot::Auxiliary, {{{"です", kAuxiliary}}}},
    {Slot::Auxiliary, {{{"ます", kAuxiliary}}}},
    {Slot::Auxiliary, {{{"だ", kAuxiliary}}}},
    {Slot::Auxiliary, {{{"た", kAuxiliary}}}},
    {Slot::Auxiliary, {{{"でしょう", kAuxiliaryIrrealis}}}},
    {Slot::Auxiliary, {{{"ましょう", kAuxiliaryIrrealis}}}},
    {Slot::Auxiliary, {{{"でし", kAuxiliaryContinuative}, {"た", kAuxiliary}}}, 2},
    {Slot::Auxiliary, {{{"まし", kAuxiliaryContinuative}, {"た", kAuxiliary}}}, 2},
    {Slot::Auxiliary, {{{"だっ", kAuxiliaryContinuative}, {"た", kAuxiliary}}}, 2},
    {Slot::Auxiliary, {{{"ませ", kAuxiliaryIrrealis}, {"ん", kNegative}}}, 2},
    {Slot::Auxiliary,
     {{{"で", kAuxiliaryContinuative}, {"ござい", kGozaru}, {"ます", kAuxiliary}}},
     3},
    {Slot::Binding, {{{"わ", kBindingParticle}}}},
    {Slot::Binding, {{{"も", kBindingParticle}}}},
    {Slot::Case, {{{"が", kCaseParticle}}}},
    {Slot::Case, {{{"を", kCaseParticle}}}},
    {Slot::Case, {{{"に", kCaseParticle}}}},
    {Slot::Case, {{{"で", kCaseParticle}}}},
    {Slot::Case, {{{"と", kCaseParticle}}}},
    {Slot::Case, {{{"え", kCaseParticle}}}},
    {Slot::Case, {{{"から", kCaseParticle}}}},
    {Slot::Case, {{{"より", kCaseParticle}}}},
    {Slot::Case, {{{"の", kOtherParticle}}}},
    {Slot::Case, {{{"や", kOtherParticle}}}},
    {Slot::Case, {{{"まで", kAdverbialParticle}}}},
}};

// How many morae before `end` spell `word` exactly; 0 when they do not.
size_t MoraeSpelling(const std::vector<std::string_view>& morae, size_t end,
                     std::string_view word) {
    size_t length = 0;
    for (size_t count = 1; count <= end; ++count) {
        length += morae[end - count].size();
        if (length > word.size()) {
            return 0;
        }
        if (length == word.size()) {
            std::string joined;
            for (size_t i = end - count; i < end; ++i) {
                joined += morae[i];
            }
            return joined == word ? count : 0;
        }
    }
    return 0;
}

struct TailMatch {
    const TailEntry* entry = nullptr;
    std::array<size_t, 3> partMorae{};
    size_t morae = 0;
};

TailMatch MatchTail(const TailEntry& entry, const std::vector<std::string_view>& morae,
                    size_t end) {
    TailMatch match{.entry = &entry};
    for (size_t part = entry.partCount; part-- > 0;) {
        const size_t count = MoraeSpelling(morae, end - match.morae, entry.parts[part].kana);
        if (count == 0) {
            return {};
        }
        match.partMorae[part] = count;
        match.morae += count;
    }
    return match;
}

// Whether the first `count` morae spell one tail word (the だ of だよ).
bool IsOneTailWord(const std::vector<std::string_view>& morae, size_t count) {
    return std::any_of(kTails.begin(), kTails.end(), [&](const TailEntry& entry) {
        return entry.partCount == 1 && MoraeSpelling(morae, count, entry.parts[0].kana) == count;
    });
}

}  // namespace

// The tail is taken from the end, longest word first. A content word of one
// mora before a one-mora particle is too likely a word of its own (き+た,
// は+な), so such a phrase stays whole, unless it may be all tail and that
// mora is a tail word too (だ+よ).
std::vector<PhraseWord> GuessPhraseWords(const std::vector<std::string_view>& morae,
                                         bool mayBeAllTail) {
    std::vector<TailMatch> tail;
    size_t end = morae.size();
    const auto strip = [&](Slot slot, int times) {
        int stripped = 0;
        while (stripped < times) {
            TailMatch best;
            for (const TailEntry& entry : kTails) {
                if (entry.slot != slot) {
                    continue;
                }
                const TailMatch match = MatchTail(entry, morae, end);
                const size_t rest = end - match.morae;
                const bool fits = rest == 0 ? mayBeAllTail
                                            : rest >= (match.morae == 1 ? 2 : 1) ||
                                                  (mayBeAllTail && IsOneTailWord(morae, rest));
                if (match.entry != nullptr && fits && match.morae > best.morae) {
                    best = match;
                }
            }
            if (best.entry == nullptr) {
                break;
            }
            tail.push_back(best);
            end -= best.morae;
            ++stripped;
        }
        return stripped;
    };
    strip(Slot::Final, 2);
    if (strip(Slot::Auxiliary, 3) == 0) {
        strip(Slot::Binding, 1);
        strip(Slot::Case, 2);
    }

    std::vector<PhraseWord> words;
    if (end > 0) {
        words.push_back(PhraseWord{.pos = kNoun.pos, .morae = static_cast<int>(end)});
    }
    for (auto match = tail.rbegin(); match != tail.rend(); ++match) {
        for (size_t part = 0; part < match->entry->partCount; ++part) {
            const TailWord& word = match->entry->parts[part];
            words.push_back(PhraseWord{
                .pos = word.pos.pos,
                .type = word.pos.type,
                .form = word.pos.form,
                .morae = static_cast<int>(match->partMorae[part]),
                .politeAuxiliary = word.kana == "です" || word.kana == "ます",
            });
        }
    }
    return words;
}

// An ending is a phrase of auxiliaries (and the particles after them) that
// the guesser can read with no content word: です, ですよ, だ, だよーん,
// ました, でしょう, でございます.
bool IsEnding(const AccentPhrase& phrase) {
    const std::vector<std::string_view> morae(phrase.morae.begin(), phrase.morae.end());
    const std::vector<PhraseWord> words = GuessPhraseWords(morae, true);
    return !words.empty() && words.front().pos == kAuxiliary.pos;
}

Utterance JoinEndings(Utterance utterance) {
    std::vector<AccentPhrase> phrases;
    for (AccentPhrase& phrase : utterance.phrases) {
        const bool runsOn =
            !phrases.empty() && !phrases.back().morae.empty() &&
            (phrases.back().end == PhraseEnd::Phrase || phrases.back().end == PhraseEnd::Joined);
        if (!runsOn || !IsEnding(phrase)) {
            phrases.push_back(std::move(phrase));
            continue;
        }
        // After an accent the pitch is already down and the ending stays
        // low; after a flat phrase the ending keeps its own accent.
        AccentPhrase& word = phrases.back();
        if (word.accent == 0 && phrase.accent > 0) {
            word.accent = static_cast<int>(word.morae.size()) + phrase.accent;
        }
        word.morae.insert(word.morae.end(), phrase.morae.begin(), phrase.morae.end());
        word.end = phrase.end;
    }
    utterance.phrases = std::move(phrases);
    return utterance;
}

}  // namespace velmora::voice
