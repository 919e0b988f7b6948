#include "FuzzScratch.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace velmora::fuzz {
const std::string& ScratchFolder() {
    static const std::string folder = [] {
        const std::filesystem::path shm("/dev/shm");
        const std::filesystem::path root =
            std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
        std::string pattern = (root / "velmora-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            Fault("cannot create a scratch folder");
        }
        return pattern + "/";
    }();
    static const bool removedAtExit = [] {
        return std::atexit([] {
                   std::error_code ec;
                   std::filesystem::remove_all(ScratchFolder(), ec);
               }) == 0;
    }();
    static_cast<void>(removedAtExit);
    return folder;
}

void WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        Fault("cannot write a scratch file");
    }
}

void Fault(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

}  // namespace velmora::fuzz
