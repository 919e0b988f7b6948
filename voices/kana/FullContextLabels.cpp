#include "kana/FullContextLabels.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

#include "kana/MoraPhonemes.h"
#include "kana/PhraseWords.h"

namespace velmora::voice {
namespace {

// The caps on counts and positions the voices' training labels were
// written with.
constexpr int kMaxGroups = 19;      // breath groups in the utterance
constexpr int kMaxPhrases = 49;     // morae of a phrase; phrases of a group or utterance
constexpr int kMaxGroupMorae = 99;  // morae of a breath group
constexpr int kMaxMorae = 199;      // morae of the utterance

struct Mora {
    MoraSound sound;
    int phrase = 0;
    int position = 0;  // 1-based within the phrase
    int word = 0;
    bool endsPoliteAuxiliary = false;  // the す of です or ます
    bool devoiced = false;
};

struct Phrase {
    int morae = 0;
    int nucleus = 0;     // 0 for a flat phrase
    int accentType = 0;  // the nucleus, or the mora count for a flat phrase
    bool question = false;
    int group = 0;
    int firstMora = 0;
};

struct Group {
    int firstPhrase = 0;
    int phrases = 0;
    int firstMora = 0;
    int morae = 0;
};

// A phone of the label sequence: a mora's consonant or vowel, or a silence
// or pause between the morae `before` and `after` (-1 at the ends).
struct Phone {
    std::string_view name;
    int mora = -1;
    int before = -1;
    int after = -1;
};

// The analysis counts and indexes in int, as the labels do.
template <typename Items>
auto& At(Items& items, int index) {
    return items[static_cast<size_t>(index)];
}

bool IsPause(PhraseEnd end) {
    return end == PhraseEnd::Pause || end == PhraseEnd::Sentence || end == PhraseEnd::Question;
}

class LabelWriter {
public:
    explicit LabelWriter(const Utterance& utterance);
    std::vector<std::string> Labels() const;

private:
    bool AddPhrase(const AccentPhrase& source, bool pauseBefore);
    void Devoice();
    void LayOutPhones();
    void Write(std::string& out, size_t index) const;

    void WriteWords(std::string& out, const Phone& phone) const;
    void WritePhrases(std::string& out, const Phone& phone) const;
    void WriteGroups(std::string& out, const Phone& phone) const;

    int GroupOf(int mora) const { return At(phrases_, At(morae_, mora).phrase).group; }

    std::vector<Mora> morae_;
    std::vector<Phrase> phrases_;
    std::vector<Group> groups_;
    std::vector<PhraseWord> words_;
    std::vector<Phone> phones_;
};

LabelWriter::LabelWriter(const Utterance& utterance) {
    // A pause mark ends a breath group even when it ends no phrase ("、、").
    bool pauseBefore = false;
    for (const AccentPhrase& phrase : utterance.phrases) {
        const bool added = AddPhrase(phrase, pauseBefore);
        pauseBefore = (pauseBefore && !added) || IsPause(phrase.end);
    }
    Devoice();
    LayOutPhones();
}

bool LabelWriter::AddPhrase(const AccentPhrase& source, bool pauseBefore) {
    std::vector<std::string_view> kana;
    const int phraseIndex = static_cast<int>(phrases_.size());
    const int firstMora = static_cast<int>(morae_.size());
    for (const std::string& mora : source.morae) {
        if (const auto sound = SoundOfMora(mora, kana.empty() ? "" : kana.back())) {
            kana.push_back(mora);
            morae_.push_back(Mora{
                .sound = *sound, .phrase = phraseIndex, .position = static_cast<int>(kana.size())});
        }
    }
    if (kana.empty()) {
        return false;
    }
    const bool newGroup = phrases_.empty() || pauseBefore;
    if (newGroup) {
        groups_.push_back(Group{.firstPhrase = phraseIndex, .firstMora = firstMora});
    }
    Group& group = groups_.back();
    const int count = static_cast<int>(kana.size());
    const int nucleus = std::clamp(source.accent, 0, count);
    phrases_.push_back(Phrase{.morae = count,
                              .nucleus = nucleus,
                              .accentType = nucleus == 0 ? count : nucleus,
                              .question = source.end == PhraseEnd::Question,
                              .group = static_cast<int>(groups_.size()) - 1,
                              .firstMora = firstMora});
    ++group.phrases;
    group.morae += count;
    int mora = firstMora;
    for (const PhraseWord& word : GuessPhraseWords(kana, !newGroup)) {
        for (int i = 0; i < word.morae; ++i) {
            At(morae_, mora++).word = static_cast<int>(words_.size());
        }
        At(morae_, mora - 1).endsPoliteAuxiliary = word.politeAuxiliary;
        words_.push_back(word);
    }
    // A phrase ending in です or ます ends in the auxiliary even where the
    // guesser, seeing nothing before it, took it for a content word.
    if (count >= 2 && kana[kana.size() - 1] == "す" &&
        (kana[kana.size() - 2] == "で" || kana[kana.size() - 2] == "ま")) {
        morae_.back().endsPoliteAuxiliary = true;
    }
    return true;
}

// A close vowel between voiceless consonants loses its voice, as does the
// す of です and ます, unless a question rises on it right there. Never on
// the accent nucleus, which must carry the pitch, and never twice in a row.
void LabelWriter::Devoice() {
    const int count = static_cast<int>(morae_.size());
    for (int i = 0; i < count; ++i) {
        Mora& mora = At(morae_, i);
        const Phrase& phrase = At(phrases_, mora.phrase);
        const bool close = mora.sound.vowel == "i" || mora.sound.vowel == "u";
        if (!close || !IsVoicelessConsonant(mora.sound.consonant) ||
            mora.position == phrase.nucleus) {
            continue;
        }
        if (i > 0 && GroupOf(i - 1) == phrase.group && At(morae_, i - 1).devoiced) {
            continue;
        }
        const bool beforeVoiceless = i + 1 < count && GroupOf(i + 1) == phrase.group &&
                                     IsVoicelessConsonant(At(morae_, i + 1).sound.consonant);
        const bool askedHere = phrase.question && mora.position == phrase.morae;
        mora.devoiced = beforeVoiceless || (mora.endsPoliteAuxiliary && !askedHere);
    }
}

std::string_view DevoicedVowel(std::string_view vowel) {
    constexpr std::string_view kVowels = "aiueo";
    constexpr std::array<std::string_view, 5> kDevoiced = {"A", "I", "U", "E", "O"};
    const size_t index = kVowels.find(vowel);
    return vowel.size() == 1 && index != std::string_view::npos ? kDevoiced[index] : vowel;
}

void LabelWriter::LayOutPhones() {
    if (morae_.empty()) {
        return;
    }
    phones_.push_back(Phone{.name = "sil", .after = 0});
    const int count = static_cast<int>(morae_.size());
    for (int index = 0; index < count; ++index) {
        const Mora& mora = At(morae_, index);
        if (index > 0 && GroupOf(index - 1) != GroupOf(index)) {
            phones_.push_back(Phone{.name = "pau", .before = index - 1, .after = index});
        }
        if (!mora.sound.consonant.empty()) {
            phones_.push_back(Phone{.name = mora.sound.consonant, .mora = index});
        }
        if (!mora.sound.vowel.empty()) {
            const std::string_view vowel =
                mora.devoiced ? DevoicedVowel(mora.sound.vowel) : mora.sound.vowel;
            phones_.push_back(Phone{.name = vowel, .mora = index});
        }
    }
    phones_.push_back(Phone{.name = "sil", .before = count - 1});
}

std::vector<std::string> LabelWriter::Labels() const {
    std::vector<std::string> labels(phones_.size());
    for (size_t i = 0; i < phones_.size(); ++i) {
        labels[i].reserve(256);
        Write(labels[i], i);
    }
    return labels;
}

void AppendNumber(std::string& out, int value, int low, int high) {
    char buffer[12];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::clamp(value, low, high));
    out.append(buffer, result.ptr);
}

void AppendFlag(std::string& out, bool flag) {
    out += flag ? '1' : '0';
}

void LabelWriter::Write(std::string& out, size_t index) const {
    const auto name = [&](size_t offset) -> std::string_view {
        const size_t at = index + offset;
        return at >= 2 && at - 2 < phones_.size() ? phones_[at - 2].name : "xx";
    };
    out += name(0);
    out += '^';
    out += name(1);
    out += '-';
    out += name(2);
    out += '+';
    out += name(3);
    out += '=';
    out += name(4);

    const Phone& phone = phones_[index];
    if (phone.mora < 0) {
        out += "/A:xx+xx+xx";
    } else {
        const Mora& mora = At(morae_, phone.mora);
        const Phrase& phrase = At(phrases_, mora.phrase);
        out += "/A:";
        AppendNumber(out, mora.position - phrase.accentType, -kMaxPhrases, kMaxPhrases);
        out += '+';
        AppendNumber(out, mora.position, 1, kMaxPhrases);
        out += '+';
        AppendNumber(out, phrase.morae - mora.position + 1, 1, kMaxPhrases);
    }
    WriteWords(out, phone);
    WritePhrases(out, phone);
    WriteGroups(out, phone);
}

void LabelWriter::WriteWords(std::string& out, const Phone& phone) const {
    int previous = -1;
    int current = -1;
    int next = -1;
    if (phone.mora >= 0) {
        current = At(morae_, phone.mora).word;
        previous = current - 1;
        next = current + 1 < static_cast<int>(words_.size()) ? current + 1 : -1;
    } else {
        previous = phone.before >= 0 ? At(morae_, phone.before).word : -1;
        next = phone.after >= 0 ? At(morae_, phone.after).word : -1;
    }
    const auto write = [&](char field, int word, char first, char second) {
        out += '/';
        out += field;
        out += ':';
        const PhraseWord w = word >= 0 ? At(words_, word) : PhraseWord{.pos = "xx"};
        out += w.pos;
        out += first;
        out += w.type;
        out += second;
        out += w.form;
    };
    write('B', previous, '-', '_');
    write('C', current, '_', '+');
    write('D', next, '+', '_');
}

void LabelWriter::WritePhrases(std::string& out, const Phone& phone) const {
    int previous = -1;
    int current = -1;
    int next = -1;
    if (phone.mora >= 0) {
        current = At(morae_, phone.mora).phrase;
        previous = current - 1;
        next = current + 1 < static_cast<int>(phrases_.size()) ? current + 1 : -1;
    } else {
        previous = phone.before >= 0 ? At(morae_, phone.before).phrase : -1;
        next = phone.after >= 0 ? At(morae_, phone.after).phrase : -1;
    }
    // Whether a neighbouring phrase runs on without a pause; not asked of
    // the silences and pauses themselves.
    const auto writeJoined = [&](int neighbour) {
        if (current < 0) {
            out += "xx";
        } else {
            AppendFlag(out, At(phrases_, neighbour).group == At(phrases_, current).group);
        }
    };
    const auto writeShape = [&](const Phrase& phrase, char between, char beforeFlag) {
        AppendNumber(out, phrase.morae, 1, kMaxPhrases);
        out += between;
        AppendNumber(out, phrase.accentType, 1, kMaxPhrases);
        out += beforeFlag;
        AppendFlag(out, phrase.question);
    };

    if (previous < 0) {
        out += "/E:xx_xx!xx_xx-xx";
    } else {
        out += "/E:";
        writeShape(At(phrases_, previous), '_', '!');
        out += "_xx-";
        writeJoined(previous);
    }

    if (current < 0) {
        out += "/F:xx_xx#xx_xx@xx_xx|xx_xx";
    } else {
        const Phrase& phrase = At(phrases_, current);
        const Group& group = At(groups_, phrase.group);
        const int inGroup = current - group.firstPhrase + 1;
        const int moraInGroup = phrase.firstMora - group.firstMora + 1;
        out += "/F:";
        writeShape(phrase, '_', '#');
        out += "_xx@";
        AppendNumber(out, inGroup, 1, kMaxPhrases);
        out += '_';
        AppendNumber(out, group.phrases - inGroup + 1, 1, kMaxPhrases);
        out += '|';
        AppendNumber(out, moraInGroup, 1, kMaxGroupMorae);
        out += '_';
        AppendNumber(out, group.morae - moraInGroup + 1, 1, kMaxGroupMorae);
    }

    if (next < 0) {
        out += "/G:xx_xx%xx_xx_xx";
    } else {
        out += "/G:";
        writeShape(At(phrases_, next), '_', '%');
        out += "_xx_";
        writeJoined(next);
    }
}

void LabelWriter::WriteGroups(std::string& out, const Phone& phone) const {
    int previous = -1;
    int current = -1;
    int next = -1;
    if (phone.mora >= 0) {
        current = GroupOf(phone.mora);
        previous = current - 1;
        next = current + 1 < static_cast<int>(groups_.size()) ? current + 1 : -1;
    } else {
        previous = phone.before >= 0 ? GroupOf(phone.before) : -1;
        next = phone.after >= 0 ? GroupOf(phone.after) : -1;
    }
    const auto writeSize = [&](char field, int group) {
        out += '/';
        out += field;
        out += ':';
        if (group < 0) {
            out += "xx_xx";
            return;
        }
        AppendNumber(out, At(groups_, group).phrases, 1, kMaxPhrases);
        out += '_';
        AppendNumber(out, At(groups_, group).morae, 1, kMaxGroupMorae);
    };
    const int groupCount = static_cast<int>(groups_.size());
    const int phraseCount = static_cast<int>(phrases_.size());
    const int moraCount = static_cast<int>(morae_.size());

    writeSize('H', previous);
    if (current < 0) {
        out += "/I:xx-xx@xx+xx&xx-xx|xx+xx";
    } else {
        const Group& group = At(groups_, current);
        out += "/I:";
        AppendNumber(out, group.phrases, 1, kMaxPhrases);
        out += '-';
        AppendNumber(out, group.morae, 1, kMaxGroupMorae);
        out += '@';
        AppendNumber(out, current + 1, 1, kMaxGroups);
        out += '+';
        AppendNumber(out, groupCount - current, 1, kMaxGroups);
        out += '&';
        AppendNumber(out, group.firstPhrase + 1, 1, kMaxPhrases);
        out += '-';
        AppendNumber(out, phraseCount - group.firstPhrase, 1, kMaxPhrases);
        out += '|';
        AppendNumber(out, group.firstMora + 1, 1, kMaxMorae);
        out += '+';
        AppendNumber(out, moraCount - group.firstMora, 1, kMaxMorae);
    }
    writeSize('J', next);
    out += "/K:";
    AppendNumber(out, groupCount, 1, kMaxGroups);
    out += '+';
    AppendNumber(out, phraseCount, 1, kMaxPhrases);
    out += '-';
    AppendNumber(out, moraCount, 1, kMaxMorae);
}

}  // namespace

std::vector<std::string> FullContextLabels(const Utterance& utterance) {
    return LabelWriter(utterance).Labels();
}

}  // namespace velmora::voice
