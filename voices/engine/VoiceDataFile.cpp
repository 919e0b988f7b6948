#include "engine/VoiceDataFile.h"

#include <dlfcn.h>

namespace velmora::voice {

std::string VoiceDataFile(std::string_view fileName) {
    Dl_info info{};
    std::string folder = ".";
    if (::dladdr(reinterpret_cast<const void*>(&VoiceDataFile), &info) != 0 &&
        info.dli_fname != nullptr) {
        const std::string library = info.dli_fname;
        const size_t slash = library.rfind('/');
        if (slash != std::string::npos) {
            folder = library.substr(0, slash);
        }
    }
    // Kept as ".." rather than resolved by name, so that a voice folder
    // reached through a link still finds the files beside its real folder.
    return folder + "/../htsvoice/" + std::string(fileName);
}

}  // namespace velmora::voice
