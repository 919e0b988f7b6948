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

// Reads Japanese through MeCab and its IPA dictionary compiled for UTF-8.
// Each word comes back as it is pronounced (the particle は as わ, long
// vowels as ー) in hiragana; a word the dictionary does not know comes back
// as written. Digits, Latin letters, signs and blanks come back exactly as
// given, the way an input method's reading service leaves them, so the
// clean-up that follows handles them alike whichever service read them.
class MecabReadingService final : public ReadingService {
public:
    explicit MecabReadingService(std::string dictionaryDir);
    ~MecabReadingService() override;
    MecabReadingService(const MecabReadingService&) = delete;
    MecabReadingService& operator=(const MecabReadingService&) = delete;

    // Fails when the folder holds no dictionary, or one not in UTF-8 (the
    // EUC-JP build beside it would read UTF-8 text as garbage).
    bool Open() override;
    std::optional<std::string> GetPhonetic(std::string_view utf8Text) override;
    void Close() override;

private:
    std::string dictionaryDir_;
    std::unique_ptr<MeCab::Model> model_;
    std::unique_ptr<MeCab::Tagger> tagger_;
    std::unique_ptr<MeCab::Lattice> lattice_;
};

// The folder of the UTF-8 IPA dictionary, or empty when none is installed.
std::string FindMecabDictionary();

// Services reading with the dictionary in `dictionaryDir`.
ReadingServiceFactory MecabReadingServiceFactory(std::string dictionaryDir = FindMecabDictionary());

}  // namespace velmora
