#include "speech/AccentPhrases.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "base/TextUtil.h"
#include "base/Utf8.h"
#include "speech/CountedNumbers.h"
#include "speech/SpokenWord.h"

namespace velmora {
namespace {

// Signs after which the voices start a new accent phrase by themselves,
// counting the brackets and the middle dot that the clean-up turns into
// pauses.
bool EndsPhrase(char32_t c) {
    return std::u32string_view(U" \t\r\n　、。，．,.!?！？「」・()（）").find(c) !=
           std::u32string_view::npos;
}

bool AllEndPhrase(std::string_view utf8) {
    const std::u32string text = DecodeUtf8(utf8);
    return !text.empty() && std::all_of(text.begin(), text.end(), EndsPhrase);
}

// A content word (noun, verb, adjective, adverb, prefix, ...) opens an accent
// phrase; particles, auxiliaries, suffixes and dependent verbs join the
// phrase before them, as do nouns after a noun (compounds) and whatever
// follows a prefix; a given name or a title after a person's name and a
// numeral after another noun open their own (やまだ/た'ろー, すずき/せんせ'ー,
// い'ま/な'んじ), as does ある after a particle however the dictionary tags
// it. A number read with its counter opens a phrase with the accent the
// counter rules give it, and so does each later part of a set phrase. The
// phrase's fall starts as its first word's and is moved by each word that
// joins, after the word's chain rule, with M the morae of the phrase before
// the word, A the phrase's fall so far (0 for none) and a the joining word's
// own:
//
//   a noun or suffix joining a noun: C1 keeps the word's fall (M+a; none
//     when it has none), C2 puts it on the word's first mora (M+1), C3 on
//     the phrase's last mora (M), C4 takes it away, C5 and a suffix with
//     no rule (さん, ちゃん) keep A;
//   a word after a prefix: P2 puts the fall on the word's first mora (M+1),
//     the other prefixes keep the word's (M+a, or none);
//   particles and auxiliaries carry a rule per part of speech of the word
//     before ("名詞%F1/動詞%F2@0"): F1 keeps A, F2@n moves a phrase with no
//     fall to M+n, F3@n moves a fall that is there to M+n, F4@n always puts
//     it on M+n, F5 takes it away; an auxiliary before is looked up as
//     特殊助動詞 when its conjugation is one of the special ones, then as the
//     adjective or verb it conjugates like; no rule for the word before
//     keeps A; the forms of です without a rule for nouns take F2@1 as です
//     does;
//   a dependent verb or adjective (くださ'い, しまう) takes the fall to its
//     own (M+a) when it has one, and keeps A when it has none; after a
//     te-form that has a fall it keeps A, and so does every word after it
//     in the phrase (ふ'っています, と'ってくる);
//   する after a noun that takes it (勉強する) keeps A.
//
// A verb whose fall is on its last mora takes it a mora earlier before て
// and た (お'きて). A fall may not come after ん, っ or ー: it moves to the
// mora before.
// Words the dictionary does not know, digits and Latin letters are kept as
// typed; the voices give them their morae, so no fall is placed after them.

enum class Chain { Keep, Own, First, Last, Flat, WhenFlat, WhenFalling, Fixed, AfterTe };

struct ChainRule {
    Chain chain;
    int offset = 0;
};

ChainRule NounRule(std::string_view chain) {
    if (chain == "C1") {
        return {Chain::Own};
    }
    if (chain == "C2") {
        return {Chain::First};
    }
    if (chain == "C3") {
        return {Chain::Last};
    }
    if (chain == "C4") {
        return {Chain::Flat};
    }
    // C5, and a suffix with no rule (さん, ちゃん): the name keeps its own
    // accent (さ'とーさん).
    return {Chain::Keep};
}

// The names of the word before under which its follower's rule is looked up,
// most fitting first.
std::vector<std::string_view> RuleKeys(const SpokenWord& before) {
    // A greeting the dictionary calls an interjection (お疲れ様) takes です
    // as a noun does.
    if (!before.spoken || before.Is("名詞") || before.Is("感動詞")) {
        return {"名詞"};
    }
    if (before.Is("動詞") || before.Is("形容詞") || before.Is("助詞")) {
        return {before.partOfSpeech};
    }
    if (before.Is("助動詞")) {
        const std::string_view conjugation = before.conjugationType;
        std::vector<std::string_view> keys;
        if (conjugation.starts_with("特殊・")) {
            keys.push_back("特殊助動詞");
        }
        const bool adjectival = conjugation == "特殊・ナイ" || conjugation == "特殊・タイ" ||
                                conjugation.starts_with("形容詞");
        keys.push_back(adjectival ? "形容詞" : "動詞");
        return keys;
    }
    return {};
}

ChainRule ParticleRule(std::string_view chain, const SpokenWord& before) {
    for (const std::string_view key : RuleKeys(before)) {
        std::string_view rules = chain;
        while (!rules.empty()) {
            const size_t slash = rules.find('/');
            const std::string_view rule = rules.substr(0, slash);
            rules = slash == std::string_view::npos ? std::string_view() : rules.substr(slash + 1);
            if (!rule.starts_with(key) || !rule.substr(key.size()).starts_with("%F")) {
                continue;
            }
            const std::string_view kind = rule.substr(key.size() + 2);
            const size_t at = kind.find('@');
            const int offset =
                at == std::string_view::npos ? 0 : LeadingInteger(kind.substr(at + 1)).value_or(0);
            switch (kind.empty() ? '1' : kind.front()) {
                case '2':
                    return {Chain::WhenFlat, offset};
                case '3':
                    return {Chain::WhenFalling, offset};
                case '4':
                    return {Chain::Fixed, offset};
                case '5':
                    return {Chain::Flat};
                default:
                    return {Chain::Keep};
            }
        }
    }
    return {Chain::Keep};
}

// A dependent noun that chains like a particle (ん, の) rather than a noun.
bool ChainsLikeParticle(const SpokenWord& word) {
    return word.Is("名詞", "非自立") && word.chain.find("%F") != std::string_view::npos;
}

bool IsDependentVerb(const SpokenWord& word) {
    return (word.Is("動詞") || word.Is("形容詞")) && (word.kind == "非自立" || word.kind == "接尾");
}

// The particle of a te-form (起きて, 読んで).
bool IsTe(const SpokenWord& word) {
    return word.Is("助詞", "接続助詞") && (word.surface == "て" || word.surface == "で");
}

// でし (of でした) has no rule for a noun before it; it takes the one of です
// itself beside its own, the fall on its first mora after a noun without one
// (がっこーで'した).
constexpr std::string_view kDesuAfterNoun = "名詞%F2@1";

// How `word` joins the phrase whose last word is `before`; nullopt when it
// opens a phrase of its own.
std::optional<ChainRule> JoiningRule(const SpokenWord& before, const SpokenWord& word) {
    if (word.ownPhrase) {
        return std::nullopt;
    }
    if (!before.spoken) {
        return ChainRule{Chain::Keep};  // the voices read it with what follows
    }
    if (!word.spoken) {
        return std::nullopt;
    }
    if (before.Is("接頭詞")) {
        return ChainRule{before.chain == "P2" ? Chain::First : Chain::Own};
    }
    if (word.counted) {
        return std::nullopt;
    }
    const std::string_view chain = word.chain;
    // ある after a particle (わすれものわ/ありませ'んか).
    if (word.Is("助動詞") && word.conjugationType == "五段・ラ行アル" && before.Is("助詞")) {
        return std::nullopt;
    }
    if (word.Is("助詞") || word.Is("助動詞") || ChainsLikeParticle(word)) {
        if (word.Is("助動詞") && word.baseForm == "です" && word.conjugationForm == "連用形" &&
            chain.find("名詞%") == std::string_view::npos) {
            return ParticleRule(std::string(kDesuAfterNoun) + "/" + std::string(chain), before);
        }
        return ParticleRule(chain, before);
    }
    if (word.Is("名詞", "接尾")) {
        // The そう of "looks like" falls on そ after a verb or an adjective
        // (ふりそ'ーです, おいしそ'ー), whatever their own accent.
        if (word.detail == "助動詞語幹" && word.surface == "そう" &&
            (before.Is("動詞") || before.Is("形容詞"))) {
            return ChainRule{Chain::First};
        }
        return NounRule(chain);
    }
    if (IsDependentVerb(word)) {
        return ChainRule{IsTe(before) ? Chain::AfterTe
                                      : (word.nucleus == 0 ? Chain::Keep : Chain::Own)};
    }
    // A given name after the family name, a title after a name and a number
    // after a noun stand apart.
    const bool nounBefore = before.Is("名詞") && !before.counted &&
                            !(before.kind == "固有名詞" && before.detail == "人名") &&
                            !(word.Number() && !before.Number());
    if (nounBefore && word.Is("名詞") && !word.Is("名詞", "代名詞")) {
        return NounRule(chain);
    }
    if (before.Is("名詞", "サ変接続") && word.Is("動詞") && word.baseForm == "する") {
        return ChainRule{Chain::Keep};
    }
    return std::nullopt;
}

// Words gathered into accent phrases and written out with their marks:
// "'" after the mora the pitch falls after, "/" between phrases.
class PhraseWriter {
public:
    explicit PhraseWriter(std::string& out) : out_(out) {}

    // `touching`: nothing was typed between this word and the one before.
    void Add(const SpokenWord& word, bool touching) {
        if (!word.spoken && AllEndPhrase(word.reading)) {
            Close();
            out_ += word.reading;  // a pause or a blank ends the phrase by itself
            last_ = nullptr;
            return;
        }

        const std::optional<ChainRule> rule =
            touching && last_ != nullptr ? JoiningRule(*last_, word) : std::nullopt;
        if (!rule) {
            Close();
            if (touching && !out_.empty() &&
                !AllEndPhrase(std::string_view(out_).substr(LastCharacterStart(out_)))) {
                out_ += '/';
            }
            morae_ = 0;
            fall_ = 0;
        }
        ChainRule chain = rule.value_or(ChainRule{Chain::Own});
        if (!rule) {
            settled_ = false;
        } else if (settled_) {
            chain = ChainRule{Chain::Keep};
        } else if (chain.chain == Chain::AfterTe && fall_ != 0) {
            settled_ = true;
        }
        fall_ = Joined(chain, word.nucleus);
        if (word.spoken) {
            if (morae_) {
                *morae_ += MoraCount(word.reading);
            }
        } else {
            morae_.reset();
        }
        pieces_.push_back(&word);
        last_ = &word;
    }

    void Close() {
        if (pieces_.empty()) {
            return;
        }
        int mark = fall_.value_or(0);
        size_t marked = 0;  // the mark goes after the character at this index, 1-based
        std::u32string phrase;
        for (const SpokenWord* piece : pieces_) {
            const std::u32string text = DecodeUtf8(piece->reading);
            if (mark > 0 && marked == 0) {
                if (!piece->spoken) {
                    mark = 0;  // its morae are the voices' to count
                } else {
                    const std::vector<size_t> ends = MoraEnds(text);
                    if (static_cast<size_t>(mark) <= ends.size()) {
                        size_t at = static_cast<size_t>(mark) - 1;
                        while (at > 0 && CannotCarryFall(text, ends, at)) {
                            --at;
                        }
                        marked = phrase.size() + ends[at];
                    } else {
                        mark -= static_cast<int>(ends.size());
                    }
                }
            }
            phrase += text;
        }
        if (marked != 0) {
            phrase.insert(marked, 1, U'\'');
        }
        out_ += EncodeUtf8(phrase);
        pieces_.clear();
    }

private:
    // ん, っ and ー lean on the mora before them and cannot carry a fall.
    static bool CannotCarryFall(std::u32string_view text, const std::vector<size_t>& ends,
                                size_t mora) {
        const char32_t first = text[mora == 0 ? 0 : ends[mora - 1]];
        return first == U'ん' || first == U'っ' || first == U'ー';
    }

    std::optional<int> AtMora(int offset) const {
        if (!morae_) {
            return std::nullopt;
        }
        const int at = *morae_ + offset;
        return at > 0 ? std::optional<int>(at) : std::nullopt;
    }

    std::optional<int> Joined(ChainRule rule, int own) const {
        switch (rule.chain) {
            case Chain::Keep:
                return fall_;
            case Chain::Own:
                return own == 0 ? std::optional<int>(0) : AtMora(own);
            case Chain::AfterTe:
                if (fall_ != 0) {
                    return fall_;
                }
                return own == 0 ? std::optional<int>(0) : AtMora(own);
            case Chain::First:
                return AtMora(1);
            case Chain::Last:
                return AtMora(0);
            case Chain::Flat:
                return 0;
            case Chain::WhenFlat:
                return fall_ == 0 ? AtMora(rule.offset) : fall_;
            case Chain::WhenFalling:
                return fall_ && *fall_ != 0 ? AtMora(rule.offset) : fall_;
            case Chain::Fixed:
                return AtMora(rule.offset);
        }
        return fall_;
    }

    std::string& out_;
    std::vector<const SpokenWord*> pieces_;
    const SpokenWord* last_ = nullptr;
    std::optional<int> morae_;  // unknown once a word kept as typed is in
    std::optional<int> fall_;   // 0: none; unknown when it depends on unknown morae
    bool settled_ = false;      // a te-form's fall, which the words after it keep
};

}  // namespace

std::string WriteAccentPhrases(std::span<const AnalysedWord> words, std::string_view typed) {
    std::vector<SpokenWord> units = JoinCountedNumbers(SpeakWords(words, typed));
    // A verb whose fall is on its last mora before て or た takes it a mora
    // earlier, as Tokyo speech does (おき'る, お'きて; たべ'る, た'べた);
    // the dictionary gives only the stem's fall (おき').
    for (size_t i = 0; i + 1 < units.size(); ++i) {
        SpokenWord& verb = units[i];
        const SpokenWord& next = units[i + 1];
        const bool teOrTa = IsTe(next) || (next.Is("助動詞") && next.conjugationType == "特殊・タ");
        if (verb.spoken && verb.Is("動詞", "自立") && teOrTa && Touching(verb, next) &&
            verb.nucleus >= 2 && verb.nucleus == MoraCount(verb.reading)) {
            --verb.nucleus;
        }
    }

    std::string reading;
    PhraseWriter phrases(reading);
    size_t typedDone = 0;
    for (const SpokenWord& unit : units) {
        // Blanks between words are not part of any word but belong to the text.
        const bool touching = unit.typedBegin == typedDone;
        if (!touching) {
            phrases.Close();
            reading.append(typed, typedDone, unit.typedBegin - typedDone);
        }
        phrases.Add(unit, touching && typedDone != 0);
        typedDone = unit.typedEnd;
    }
    phrases.Close();
    reading.append(typed, typedDone);
    return reading;
}

}  // namespace velmora
