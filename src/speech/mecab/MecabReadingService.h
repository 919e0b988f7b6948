#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "speech/ReadingService.h"

namespace MeCab {
class Model;
class Tagger;
class Lattice;
}  // namespace MeCab

namespace velmora {

// Reads Japanese through MeCab and Open JTalk's NAIST dictionary (which is
// built for UTF-8) into the voices' phonetic notation: each word as it is
// pronounced (the particle は as わ, long vowels as ー) in hiragana, words
// gathered into accent phrases set apart by "/", and "'" after the mora
// where a phrase's pitch falls, as the dictionary's accent types and chain
// rules give it: 箸を使う is "は'しを/つかう", 橋を渡る "はし'を/わたる". A word
// the dictionary does not know comes back as written. Digits, Latin
// letters, signs and blanks come back exactly as given, the way an input
// method's reading service leaves them, so the clean-up that follows
// handles them alike whichever service read them. This class only splits
// the text into words; the rules that read them are WriteAccentPhrases'.
class MecabReadingService final : public ReadingService {
public:
    explicit MecabReadingService(std::string dictionaryDir);
    ~MecabReadingService() override;
    MecabReadingService(const MecabReadingService&) = delete;
    MecabReadingService& operator=(const MecabReadingService&) = delete;

    // Fails when the folder holds no dictionary, or one not in UTF-8 (an
    // EUC-JP build would read UTF-8 text as garbage).
    bool Open() override;
    std::optional<std::string> GetPhonetic(std::string_view utf8Text) override;
    void Close() override;

private:
    std::string dictionaryDir_;
    std::unique_ptr<MeCab::Model> model_;
    std::unique_ptr<MeCab::Tagger> tagger_;
    std::unique_ptr<MeCab::Lattice> lattice_;
};

// The folder of the NAIST dictionary (Debian's open-jtalk-mecab-naist-jdic),
// or empty when it is not installed.
std::string FindMecabDictionary();

// Services reading with the dictionary in `dictionaryDir`.
ReadingServiceFactory MecabReadingServiceFactory(std::string dictionaryDir = FindMecabDictionary());

}  // namespace velmora
