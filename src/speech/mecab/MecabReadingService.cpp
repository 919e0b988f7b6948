#include "speech/mecab/MecabReadingService.h"

#include <mecab.h>
#include <stdlib.h>  // mkdtemp

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "base/KanaText.h"
#include "base/NumberReading.h"
#include "base/TextUtil.h"
#include "base/Utf8.h"

#ifndef VELMORA_NAIST_DICDIR
#define VELMORA_NAIST_DICDIR "/var/lib/mecab/dic/open-jtalk/naist-jdic"
#endif

namespace velmora {
namespace {

// An entry of the NAIST dictionary has the part of speech in four fields,
// the conjugation type and form, the base form, the reading, the
// pronunciation, the accent as "nucleus/morae" and the chain rule that
// says how the word's accent combines with the word before it. Entries
// made up for unknown words stop after the seventh field.
constexpr size_t kConjugationTypeField = 4;
constexpr size_t kConjugationFormField = 5;
constexpr size_t kBaseFormField = 6;
constexpr size_t kPronunciationField = 8;
constexpr size_t kAccentField = 9;
constexpr size_t kChainField = 10;

// What a number read with its counter stands as among the words.
constexpr std::string_view kCountedFeature = "名詞,数,*";

bool IsJapaneseLetter(char32_t c) {
    return (c >= 0x3041 && c <= 0x309F) ||                 // hiragana
           (c >= 0x30A1 && c <= 0x30FF && c != 0x30FB) ||  // katakana and ー, not the middle dot
           (c >= 0x3005 && c <= 0x3007) || c == 0x303B ||  // 々 〆 〇 〻
           (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF66 && c <= 0xFF9F);  // half-width kana
}

bool HasJapaneseLetter(std::string_view utf8) {
    for (const char32_t c : DecodeUtf8(utf8)) {
        if (IsJapaneseLetter(c)) {
            return true;
        }
    }
    return false;
}

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

// The kana of a pronunciation, as hiragana. ヴ, ヵ and ヶ stay katakana:
// their hiragana forms are missing from code page 932, and the voices read
// katakana as well. Marks the dictionary adds (’ for a voiceless vowel)
// are dropped.
std::string PronouncedKana(std::string_view katakana) {
    std::string out;
    for (char32_t c : DecodeUtf8(katakana)) {
        if ((c >= 0x30A1 && c <= 0x30F3) || c == 0x30FD || c == 0x30FE) {
            c -= 0x60;
        }
        if ((c >= 0x3041 && c <= 0x309F) || (c >= 0x30A1 && c <= 0x30FE && c != 0x30FB)) {
            AppendUtf8(out, c);
        }
    }
    return out;
}

// Where each mora of `kana` ends, counted as the voices count them: a small
// kana belongs to the kana before it (きゃ) unless that is ん, っ or ー.
std::vector<size_t> MoraEnds(std::u32string_view kana) {
    std::vector<size_t> ends;
    bool canTakeSmall = false;
    for (size_t i = 0; i < kana.size(); ++i) {
        if (IsSmallKana(kana[i]) && canTakeSmall) {
            ends.back() = i + 1;
            canTakeSmall = false;
            continue;
        }
        ends.push_back(i + 1);
        canTakeSmall =
            !IsSmallKana(kana[i]) && kana[i] != U'ん' && kana[i] != U'っ' && kana[i] != U'ー';
    }
    return ends;
}

int MoraCount(std::string_view kana) {
    return static_cast<int>(MoraEnds(DecodeUtf8(kana)).size());
}

std::string_view FeatureField(std::string_view feature, size_t index) {
    for (size_t i = 0; i < index; ++i) {
        const size_t comma = feature.find(',');
        if (comma == std::string_view::npos) {
            return {};
        }
        feature.remove_prefix(comma + 1);
    }
    return feature.substr(0, feature.find(','));
}

// The leading integer of `text` ("1/2" gives 1, "@-2" after the @ gives -2).
std::optional<int> LeadingInteger(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) {
        return std::nullopt;
    }
    return value;
}

// The dictionary's files behind a dicrc of our own. MeCab reads a
// dictionary's settings from the file dicrc in the dictionary's folder and
// takes no other path for it, and the NAIST dictionary comes without one.
// Its one setting the tagger cannot do without is the feature of the
// sentence's start and end. MeCab maps the files while the model is made,
// so the folder goes away as soon as the model stands.
class DictionaryFolder {
public:
    static std::unique_ptr<DictionaryFolder> Make(const std::filesystem::path& dictionary) {
        namespace fs = std::filesystem;
        std::error_code error;
        fs::path base;
        if (const char* runtime = std::getenv("XDG_RUNTIME_DIR");
            runtime != nullptr && *runtime == '/' && fs::is_directory(runtime, error)) {
            base = runtime;
        } else {
            base = fs::temp_directory_path(error);
            if (error) {
                return nullptr;
            }
        }
        std::string pattern = (base / "velmora-dictionary-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            return nullptr;
        }
        auto folder = std::unique_ptr<DictionaryFolder>(new DictionaryFolder(pattern));
        const fs::path source = fs::absolute(dictionary, error);
        for (const fs::directory_entry& entry : fs::directory_iterator(source, error)) {
            if (entry.path().filename() != "dicrc" && entry.is_regular_file(error)) {
                fs::create_symlink(entry.path(), folder->path_ / entry.path().filename(), error);
                if (error) {
                    return nullptr;
                }
            }
        }
        if (error) {
            return nullptr;
        }
        std::ofstream dicrc(folder->path_ / "dicrc");
        dicrc << "bos-feature = BOS/EOS,*,*,*,*,*,*,*,*\n";
        if (!dicrc.flush()) {
            return nullptr;
        }
        return folder;
    }

    ~DictionaryFolder() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    DictionaryFolder(const DictionaryFolder&) = delete;
    DictionaryFolder& operator=(const DictionaryFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    explicit DictionaryFolder(std::filesystem::path path) : path_(std::move(path)) {}

    std::filesystem::path path_;
};

// The dictionary reads full-width digits one by one (３０５ as さんぜろご)
// and knows few full-width letters, so it is given their ASCII forms; the
// reading keeps the characters as typed. `offsets` maps each byte offset of
// the folded text to the matching offset in `typed`.
struct FoldedText {
    std::string typed;
    std::string folded;
    std::vector<size_t> offsets;
};

FoldedText FoldForDictionary(std::string_view utf8) {
    FoldedText text;
    for (const char32_t c : DecodeUtf8(utf8)) {
        const size_t typedStart = text.typed.size();
        AppendUtf8(text.typed, c);
        AppendUtf8(text.folded, FoldFullwidthAscii(c));
        text.offsets.resize(text.folded.size(), typedStart);
    }
    text.offsets.push_back(text.typed.size());
    return text;
}

// One word as the dictionary split the text, or a number read with its
// counter.
struct Word {
    size_t typedBegin;
    size_t typedEnd;
    std::string_view folded;   // as the dictionary saw it
    std::string_view feature;  // the dictionary's fields
    std::string reading;       // kana as pronounced when `spoken`, else as typed
    bool spoken;               // read in kana by us, so its morae can be counted
    int nucleus;               // the mora the pitch falls after; 0: none
    bool counted;              // a number read with its counter
    bool ownPhrase = false;  // a later part of a set phrase (ございます of ありがとうございます)

    std::string_view Field(size_t index) const { return FeatureField(feature, index); }
    bool Is(std::string_view partOfSpeech) const { return Field(0) == partOfSpeech; }
    bool Is(std::string_view partOfSpeech, std::string_view kind) const {
        return Field(0) == partOfSpeech && Field(1) == kind;
    }
    bool Number() const { return feature.starts_with("名詞,数,"); }
    bool Adverbial() const { return feature.starts_with("名詞,副詞可能,"); }
};

bool Touching(const Word& before, const Word& after) {
    return before.typedEnd == after.typedBegin;
}

// Where the last character of `utf8` starts.
size_t LastCharacterStart(std::string_view utf8) {
    size_t start = utf8.size();
    while (start > 0) {
        --start;
        if ((static_cast<unsigned char>(utf8[start]) & 0xC0) != 0x80) {
            break;  // not a continuation byte
        }
    }
    return start;
}

std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        const size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

// The word read by the dictionary, or nothing when the dictionary has no
// pronunciation for it. A few entries hold a set phrase as several accent
// phrases, their pronunciations and accents set apart by ':'
// (アリガトー:ゴザイマス, 2/5:4/5); each part after the first becomes a word
// of its own at the entry's end that opens a phrase.
std::vector<Word> SpokenParts(const Word& word) {
    const std::vector<std::string_view> pronunciations =
        SplitAt(word.Field(kPronunciationField), ':');
    const std::vector<std::string_view> accents = SplitAt(word.Field(kAccentField), ':');
    std::vector<Word> parts;
    for (size_t i = 0; i < pronunciations.size(); ++i) {
        Word part = word;
        part.reading = PronouncedKana(pronunciations[i]);
        if (part.reading.empty()) {
            return {};
        }
        // The dictionary spells the う of the volitional (しましょう, いこう) as
        // written; it lengthens the vowel before it.
        if (part.Is("助動詞") && part.Field(kBaseFormField) == "う" && part.reading == "う") {
            part.reading = "ー";
        }
        part.spoken = true;
        const int nucleus = i < accents.size() ? LeadingInteger(accents[i]).value_or(0) : 0;
        part.nucleus = nucleus <= MoraCount(part.reading) ? nucleus : 0;
        if (i > 0) {
            part.typedBegin = word.typedEnd;
            part.ownPhrase = true;
        }
        parts.push_back(std::move(part));
    }
    return parts;
}

struct CountedNumber {
    NumberReading reading;
    size_t words;
};

// A number and the counter right after it, starting at words[first]. The
// dictionary splits numbers in many ways (12 as one word, 二十 as two, 3千
// as two) and knows a few pairs as one word (十二月, 一時), which must be read
// by the same rules as the rest: 二十日 is はつか whichever way it was split.
std::optional<CountedNumber> CountedNumberAt(std::span<const Word> words, size_t first) {
    if (first > 0 && Touching(words[first - 1], words[first])) {
        // Not from the middle of a number, nor the fraction of 1.5 or the
        // thousands of 1,000, which stay digits for the number tags.
        const std::string_view before = words[first - 1].folded;
        if (words[first - 1].Number() || before.ends_with('.') || before.ends_with(',')) {
            return std::nullopt;
        }
    }
    std::string number;
    size_t next = first;
    while (next < words.size() && words[next].Number() &&
           (next == first || Touching(words[next - 1], words[next]))) {
        number += words[next].folded;
        ++next;
    }
    if (next == words.size() || (next > first && !Touching(words[next - 1], words[next]))) {
        return std::nullopt;
    }
    std::string_view counter = words[next].folded;
    std::optional<NumberReading> reading;
    if (next > first) {
        reading = ReadCountedNumber(number, counter);
    }
    // A pair the dictionary knows as one word is taken apart after other
    // numerals (十 + 九分 is 19 minutes), and on its own only where the
    // dictionary takes it for a date or a time (十二月, 一時): 十分 as
    // "enough", 二分 as "halving" and 万歳 keep their readings.
    if (!reading && (next > first || words[next].Adverbial())) {
        const size_t split = LastCharacterStart(counter);
        number += counter.substr(0, split);
        counter.remove_prefix(split);
        reading = ReadCountedNumber(number, counter);
    }
    if (!reading) {
        return std::nullopt;
    }
    // Of all days only the first is read two ways: ついたち as a date,
    // いちにち as a day's length (今日も一日). A date follows its month.
    if (reading->kana == "ついたち" && !(first > 0 && (words[first - 1].folded.ends_with("月")))) {
        reading = NumberReading{.kana = "いちにち", .nucleus = 4};
    }
    // 半 as a word of its own (1分半) is read with the count, as the
    // dictionary's 時半 is.
    const size_t after = next + 1;
    if (after < words.size() && words[after].folded == "半" &&
        Touching(words[next], words[after])) {
        if (auto half = ReadCountedNumber(number, std::string(counter) + "半")) {
            return CountedNumber{std::move(*half), after + 1 - first};
        }
    }
    return CountedNumber{std::move(*reading), next + 1 - first};
}

// ---- Accent phrases ---------------------------------------------------------
//
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
std::vector<std::string_view> RuleKeys(const Word& before) {
    // A greeting the dictionary calls an interjection (お疲れ様) takes です
    // as a noun does.
    if (!before.spoken || before.Is("名詞") || before.Is("感動詞")) {
        return {"名詞"};
    }
    if (before.Is("動詞") || before.Is("形容詞") || before.Is("助詞")) {
        return {before.Field(0)};
    }
    if (before.Is("助動詞")) {
        const std::string_view conjugation = before.Field(kConjugationTypeField);
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

ChainRule ParticleRule(std::string_view chain, const Word& before) {
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
bool ChainsLikeParticle(const Word& word) {
    return word.Is("名詞", "非自立") &&
           word.Field(kChainField).find("%F") != std::string_view::npos;
}

bool IsDependentVerb(const Word& word) {
    return (word.Is("動詞") || word.Is("形容詞")) &&
           (word.Field(1) == "非自立" || word.Field(1) == "接尾");
}

// The particle of a te-form (起きて, 読んで).
bool IsTe(const Word& word) {
    return word.Is("助詞", "接続助詞") && (word.folded == "て" || word.folded == "で");
}

// でし (of でした) has no rule for a noun before it; it takes the one of です
// itself beside its own, the fall on its first mora after a noun without one
// (がっこーで'した).
constexpr std::string_view kDesuAfterNoun = "名詞%F2@1";

// How `word` joins the phrase whose last word is `before`; nullopt when it
// opens a phrase of its own.
std::optional<ChainRule> JoiningRule(const Word& before, const Word& word) {
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
        return ChainRule{before.Field(kChainField) == "P2" ? Chain::First : Chain::Own};
    }
    if (word.counted) {
        return std::nullopt;
    }
    const std::string_view chain = word.Field(kChainField);
    // ある after a particle (わすれものわ/ありませ'んか).
    if (word.Is("助動詞") && word.Field(kConjugationTypeField) == "五段・ラ行アル" &&
        before.Is("助詞")) {
        return std::nullopt;
    }
    if (word.Is("助詞") || word.Is("助動詞") || ChainsLikeParticle(word)) {
        if (word.Is("助動詞") && word.Field(kBaseFormField) == "です" &&
            word.Field(kConjugationFormField) == "連用形" &&
            chain.find("名詞%") == std::string_view::npos) {
            return ParticleRule(std::string(kDesuAfterNoun) + "/" + std::string(chain), before);
        }
        return ParticleRule(chain, before);
    }
    if (word.Is("名詞", "接尾")) {
        // The そう of "looks like" falls on そ after a verb or an adjective
        // (ふりそ'ーです, おいしそ'ー), whatever their own accent.
        if (word.Field(2) == "助動詞語幹" && word.folded == "そう" &&
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
                            !(before.Field(1) == "固有名詞" && before.Field(2) == "人名") &&
                            !(word.Number() && !before.Number());
    if (nounBefore && word.Is("名詞") && !word.Is("名詞", "代名詞")) {
        return NounRule(chain);
    }
    if (before.Is("名詞", "サ変接続") && word.Is("動詞") && word.Field(kBaseFormField) == "する") {
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
    void Add(const Word& word, bool touching) {
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
        for (const Word* piece : pieces_) {
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
    std::vector<const Word*> pieces_;
    const Word* last_ = nullptr;
    std::optional<int> morae_;  // unknown once a word kept as typed is in
    std::optional<int> fall_;   // 0: none; unknown when it depends on unknown morae
    bool settled_ = false;      // a te-form's fall, which the words after it keep
};

}  // namespace

MecabReadingService::MecabReadingService(std::string dictionaryDir)
    : dictionaryDir_(std::move(dictionaryDir)) {}

MecabReadingService::~MecabReadingService() {
    Close();
}

bool MecabReadingService::Open() {
    Close();
    std::error_code error;
    if (dictionaryDir_.empty() || !std::filesystem::is_regular_file(
                                      std::filesystem::path(dictionaryDir_) / "sys.dic", error)) {
        return false;
    }
    const auto folder = DictionaryFolder::Make(dictionaryDir_);
    if (!folder) {
        return false;
    }
    // An empty resource file keeps the user's ~/.mecabrc (another dictionary,
    // a user dictionary, an output format) out of the readings.
    std::vector<std::string> args = {"mecab", "--rcfile=/dev/null",
                                     "--dicdir=" + folder->Path().string()};
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    model_.reset(MeCab::createModel(static_cast<int>(argv.size()), argv.data()));
    if (!model_) {
        return false;
    }
    const MeCab::DictionaryInfo* info = model_->dictionary_info();
    if (info == nullptr || info->charset == nullptr ||
        !(EqualsIgnoreCase(info->charset, "UTF-8") || EqualsIgnoreCase(info->charset, "UTF8"))) {
        Close();
        return false;
    }
    tagger_.reset(model_->createTagger());
    lattice_.reset(model_->createLattice());
    if (!tagger_ || !lattice_) {
        Close();
        return false;
    }
    return true;
}

std::optional<std::string> MecabReadingService::GetPhonetic(std::string_view utf8Text) {
    if (!tagger_ || !lattice_) {
        return std::nullopt;
    }
    const FoldedText text = FoldForDictionary(utf8Text);
    if (text.folded.empty()) {
        return std::string();
    }
    lattice_->set_sentence(text.folded.data(), text.folded.size());
    if (!tagger_->parse(lattice_.get())) {
        return std::nullopt;
    }
    std::vector<Word> words;
    for (const MeCab::Node* node = lattice_->bos_node(); node != nullptr; node = node->next) {
        if (node->stat == MECAB_BOS_NODE || node->stat == MECAB_EOS_NODE) {
            continue;
        }
        const auto begin = static_cast<size_t>(node->surface - text.folded.data());
        const size_t end = begin + node->length;
        if (end > text.folded.size()) {
            return std::nullopt;
        }
        Word word{.typedBegin = text.offsets[begin],
                  .typedEnd = text.offsets[end],
                  .folded = std::string_view(text.folded).substr(begin, node->length),
                  .feature = node->feature == nullptr ? "" : node->feature,
                  .reading = {},
                  .spoken = false,
                  .nucleus = 0,
                  .counted = false};
        const std::string_view typedWord(text.typed.data() + word.typedBegin,
                                         word.typedEnd - word.typedBegin);
        std::vector<Word> parts;
        if (node->stat != MECAB_UNK_NODE && HasJapaneseLetter(typedWord)) {
            parts = SpokenParts(word);
        }
        if (parts.empty()) {
            word.reading = typedWord;
            words.push_back(std::move(word));
        } else {
            std::move(parts.begin(), parts.end(), std::back_inserter(words));
        }
    }

    // Numbers are read with their counters first, each pair as one word.
    std::vector<Word> units;
    for (size_t i = 0; i < words.size();) {
        if (auto counted = CountedNumberAt(words, i)) {
            units.push_back(Word{.typedBegin = words[i].typedBegin,
                                 .typedEnd = words[i + counted->words - 1].typedEnd,
                                 .folded = {},
                                 .feature = kCountedFeature,
                                 .reading = std::move(counted->reading.kana),
                                 .spoken = true,
                                 .nucleus = counted->reading.nucleus,
                                 .counted = true});
            i += counted->words;
        } else {
            units.push_back(std::move(words[i]));
            ++i;
        }
    }

    // A verb whose fall is on its last mora before て or た takes it a mora
    // earlier, as Tokyo speech does (おき'る, お'きて; たべ'る, た'べた);
    // the dictionary gives only the stem's fall (おき').
    for (size_t i = 0; i + 1 < units.size(); ++i) {
        Word& verb = units[i];
        const Word& next = units[i + 1];
        const bool teOrTa =
            IsTe(next) || (next.Is("助動詞") && next.Field(kConjugationTypeField) == "特殊・タ");
        if (verb.spoken && verb.Is("動詞", "自立") && teOrTa && Touching(verb, next) &&
            verb.nucleus >= 2 && verb.nucleus == MoraCount(verb.reading)) {
            --verb.nucleus;
        }
    }

    std::string reading;
    PhraseWriter phrases(reading);
    size_t typedDone = 0;
    for (const Word& unit : units) {
        // Blanks between words are not part of any word but belong to the text.
        const bool touching = unit.typedBegin == typedDone;
        if (!touching) {
            phrases.Close();
            reading.append(text.typed, typedDone, unit.typedBegin - typedDone);
        }
        phrases.Add(unit, touching && typedDone != 0);
        typedDone = unit.typedEnd;
    }
    phrases.Close();
    reading.append(text.typed, typedDone);
    return reading;
}

void MecabReadingService::Close() {
    lattice_.reset();
    tagger_.reset();
    model_.reset();
}

std::string FindMecabDictionary() {
    for (const char* dir : {VELMORA_NAIST_DICDIR, "/var/lib/mecab/dic/open-jtalk/naist-jdic"}) {
        std::error_code error;
        if (std::filesystem::is_regular_file(std::filesystem::path(dir) / "sys.dic", error)) {
            return dir;
        }
    }
    return {};
}

ReadingServiceFactory MecabReadingServiceFactory(std::string dictionaryDir) {
    return [dir = std::move(dictionaryDir)]() -> std::unique_ptr<ReadingService> {
        return std::make_unique<MecabReadingService>(dir);
    };
}

}  // namespace velmora
