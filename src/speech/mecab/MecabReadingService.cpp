#include "speech/mecab/MecabReadingService.h"

#include <mecab.h>

#include <filesystem>
#include <span>
#include <utility>
#include <vector>

#include "base/TextUtil.h"
#include "base/Utf8.h"
#include "speech/CounterReading.h"

#ifndef VELMORA_MECAB_DICDIR
#define VELMORA_MECAB_DICDIR "/var/lib/mecab/dic/ipadic-utf8"
#endif

namespace velmora {
namespace {

// The pronunciation is the ninth field of an IPA dictionary entry; entries
// made up for unknown words stop after the seventh.
constexpr size_t kPronunciationField = 8;

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

// ヴ, ヵ and ヶ stay katakana: their hiragana forms are missing from code page
// 932, and the voices read katakana as well.
std::string ToHiragana(std::string_view katakana) {
    std::u32string text = DecodeUtf8(katakana);
    for (char32_t& c : text) {
        if ((c >= 0x30A1 && c <= 0x30F3) || c == 0x30FD || c == 0x30FE) {
            c -= 0x60;
        }
    }
    return EncodeUtf8(text);
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

// The dictionary reads full-width digits one by one (３０５ as さんぜろご)
// and knows few full-width letters, so it is given their ASCII forms; the
// reading keeps the characters as typed. `offsets` maps each byte offset of
// the folded text to the matching offset in `typed`.
struct FoldedText {
    std::string typed;
    std::string folded;
    std::vector<size_t> offsets;
};

FoldedText FoldFullWidthAscii(std::string_view utf8) {
    FoldedText text;
    for (char32_t c : DecodeUtf8(utf8)) {
        const size_t typedStart = text.typed.size();
        AppendUtf8(text.typed, c);
        if (c >= 0xFF01 && c <= 0xFF5E) {
            c -= 0xFEE0;
        }
        AppendUtf8(text.folded, c);
        text.offsets.resize(text.folded.size(), typedStart);
    }
    text.offsets.push_back(text.typed.size());
    return text;
}

// One word as the dictionary split the text.
struct Word {
    size_t typedBegin;
    size_t typedEnd;
    std::string_view folded;  // as the dictionary saw it
    std::string reading;      // as pronounced, or as typed
    bool number;              // a digit run or kanji numeral (名詞,数)
    bool adverbial;           // 名詞,副詞可能, as the dictionary has 十二月 and 一時
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

struct CountedNumber {
    std::string reading;
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
        if (words[first - 1].number || before.ends_with('.') || before.ends_with(',')) {
            return std::nullopt;
        }
    }
    std::string number;
    size_t next = first;
    while (next < words.size() && words[next].number &&
           (next == first || Touching(words[next - 1], words[next]))) {
        number += words[next].folded;
        ++next;
    }
    if (next == words.size() || (next > first && !Touching(words[next - 1], words[next]))) {
        return std::nullopt;
    }
    const std::string_view counter = words[next].folded;
    std::optional<std::string> reading;
    if (next > first) {
        reading = ReadCountedNumber(number, counter);
    }
    // A pair the dictionary knows as one word is taken apart after other
    // numerals (十 + 九分 is 19 minutes), and on its own only where the
    // dictionary takes it for a date or a time (十二月, 一時): 十分 as
    // "enough", 二分 as "halving" and 万歳 keep their readings.
    if (!reading && (next > first || words[next].adverbial)) {
        const size_t split = LastCharacterStart(counter);
        number += counter.substr(0, split);
        reading = ReadCountedNumber(number, counter.substr(split));
    }
    if (!reading) {
        return std::nullopt;
    }
    return CountedNumber{std::move(*reading), next + 1 - first};
}

}  // namespace

MecabReadingService::MecabReadingService(std::string dictionaryDir)
    : dictionaryDir_(std::move(dictionaryDir)) {}

MecabReadingService::~MecabReadingService() {
    Close();
}

bool MecabReadingService::Open() {
    Close();
    if (dictionaryDir_.empty()) {
        return false;
    }
    // An empty resource file keeps the user's ~/.mecabrc (another dictionary,
    // a user dictionary, an output format) out of the readings.
    std::vector<std::string> args = {"mecab", "--rcfile=/dev/null", "--dicdir=" + dictionaryDir_};
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
    const FoldedText text = FoldFullWidthAscii(utf8Text);
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
                  .reading = {},
                  .number = false,
                  .adverbial = false};
        const std::string_view typedWord(text.typed.data() + word.typedBegin,
                                         word.typedEnd - word.typedBegin);
        const std::string_view feature = node->feature == nullptr ? "" : node->feature;
        const std::string_view pronunciation = node->stat == MECAB_UNK_NODE
                                                   ? std::string_view()
                                                   : FeatureField(feature, kPronunciationField);
        if (HasJapaneseLetter(typedWord) && !pronunciation.empty() && pronunciation != "*") {
            word.reading = ToHiragana(pronunciation);
        } else {
            word.reading = typedWord;
        }
        word.number = feature.starts_with("名詞,数,");
        word.adverbial = feature.starts_with("名詞,副詞可能,");
        words.push_back(std::move(word));
    }

    std::string reading;
    size_t typedDone = 0;
    for (size_t i = 0; i < words.size();) {
        // Blanks between words are not part of any word but belong to the text.
        reading.append(text.typed, typedDone, words[i].typedBegin - typedDone);
        if (auto counted = CountedNumberAt(words, i)) {
            reading += counted->reading;
            i += counted->words;
        } else {
            reading += words[i].reading;
            ++i;
        }
        typedDone = words[i - 1].typedEnd;
    }
    reading.append(text.typed, typedDone);
    return reading;
}

void MecabReadingService::Close() {
    lattice_.reset();
    tagger_.reset();
    model_.reset();
}

std::string FindMecabDictionary() {
    for (const char* dir : {VELMORA_MECAB_DICDIR, "/var/lib/mecab/dic/ipadic-utf8"}) {
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
