#include "speech/mecab/MecabReadingService.h"

#include <mecab.h>
#include <stdlib.h>  // mkdtemp

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

#include "base/KanaText.h"
#include "base/TextUtil.h"
#include "base/Utf8.h"
#include "speech/AccentPhrases.h"
#include "speech/AnalysedWord.h"

#ifndef VELMORA_NAIST_DICDIR
#define VELMORA_NAIST_DICDIR "/var/lib/mecab/dic/open-jtalk/naist-jdic"
#endif

namespace velmora {
namespace {

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
    argv.reserve(args.size());
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
    std::vector<AnalysedWord> words;
    for (const MeCab::Node* node = lattice_->bos_node(); node != nullptr; node = node->next) {
        if (node->stat == MECAB_BOS_NODE || node->stat == MECAB_EOS_NODE) {
            continue;
        }
        const auto begin = static_cast<size_t>(node->surface - text.folded.data());
        const size_t end = begin + node->length;
        if (end > text.folded.size()) {
            return std::nullopt;
        }
        AnalysedWord word =
            FromNaistFeature(std::string_view(text.folded).substr(begin, node->length),
                             node->feature == nullptr ? "" : node->feature);
        word.typedBegin = text.offsets[begin];
        word.typedEnd = text.offsets[end];
        word.inDictionary = node->stat != MECAB_UNK_NODE;
        words.push_back(std::move(word));
    }
    return WriteAccentPhrases(words, text.typed);
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
