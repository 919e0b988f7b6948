#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::test {

// One voice library opened straight from the build's program folder, for
// tests of the library's own contract (no "。" is put in front).
class VoiceFile {
public:
    explicit VoiceFile(const std::string& folder);
    // A library anywhere else.
    struct LibraryPath {
        std::string path;
    };
    explicit VoiceFile(const LibraryPath& library);
    ~VoiceFile();
    VoiceFile(const VoiceFile&) = delete;
    VoiceFile& operator=(const VoiceFile&) = delete;

    bool Loaded() const { return synthe_ != nullptr && freeWave_ != nullptr; }

    // The image for the UTF-8 text (converted to Shift-JIS), released
    // through the library before returning; nullopt when it returns null.
    std::optional<std::vector<unsigned char>> Image(std::string_view utf8Text, int speed = 100);
    // The same for bytes handed over as they are.
    std::optional<std::vector<unsigned char>> RawImage(const char* sjisText, int speed);

    unsigned char* Synthe(const char* text, int speed, int* size) {
        return synthe_(text, speed, size);
    }

private:
    void* library_ = nullptr;
    unsigned char* (*synthe_)(const char*, int, int*) = nullptr;
    void (*freeWave_)(unsigned char*) = nullptr;
};

inline const char* const kVoiceFolders[] = {"f1", "f2", "m1", "m2", "r1", "r2"};

}  // namespace velmora::test
