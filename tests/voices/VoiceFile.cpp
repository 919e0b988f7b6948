#include "VoiceFile.h"

#include <dlfcn.h>

#include "base/ShiftJis.h"
#include "support/TestEnvironment.h"

namespace velmora::test {

VoiceFile::VoiceFile(const std::string& folder)
    : VoiceFile(LibraryPath{ProgramDir() + "/" + folder + "/libAquesTalk.so"}) {}

VoiceFile::VoiceFile(const LibraryPath& library) {
    library_ = ::dlopen(library.path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library_ != nullptr) {
        synthe_ = reinterpret_cast<decltype(synthe_)>(::dlsym(library_, "AquesTalk_Synthe"));
        freeWave_ = reinterpret_cast<decltype(freeWave_)>(::dlsym(library_, "AquesTalk_FreeWave"));
    }
}

VoiceFile::~VoiceFile() {
    if (library_ != nullptr) {
        ::dlclose(library_);
    }
}

std::optional<std::vector<unsigned char>> VoiceFile::RawImage(const char* sjisText, int speed) {
    int size = 0;
    unsigned char* wave = synthe_(sjisText, speed, &size);
    if (wave == nullptr) {
        return std::nullopt;
    }
    std::vector<unsigned char> image(wave, wave + size);
    freeWave_(wave);
    return image;
}

std::optional<std::vector<unsigned char>> VoiceFile::Image(std::string_view utf8Text, int speed) {
    const auto sjis = Utf8ToSjis(utf8Text, SjisFit::Folded);
    if (!sjis) {
        return std::nullopt;
    }
    return RawImage(sjis->c_str(), speed);
}

}  // namespace velmora::test
