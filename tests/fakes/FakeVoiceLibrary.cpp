// A stand-in voice library for the adapter's tests: it records what it is
// handed and which images come back, and answers with a small known image.
// Built with FAKE_VOICE_WITHOUT_FREEWAVE it lacks the release entry, as a
// broken installation would.
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#define FAKE_VOICE_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

std::string lastText;
int lastSpeed = 0;
int calls = 0;
int badReleases = 0;
std::set<unsigned char*> liveImages;

// 44 header bytes (their content does not matter to the caller) and the
// samples 1, -2, 0x1234.
constexpr unsigned char kSamples[] = {0x01, 0x00, 0xFE, 0xFF, 0x34, 0x12};

}  // namespace

FAKE_VOICE_EXPORT unsigned char* AquesTalk_Synthe(const char* text, int speed, int* size) {
    ++calls;
    lastText = text;
    lastSpeed = speed;
    // Texts the fake refuses, or answers with an image too short to hold
    // its own header.
    const bool refuse = lastText.find("NG") != std::string::npos;
    const bool shortImage = lastText.find("SHORT") != std::string::npos;
    if (refuse) {
        return nullptr;
    }
    const size_t total = shortImage ? 10 : 44 + sizeof kSamples;
    auto* image = static_cast<unsigned char*>(std::calloc(total, 1));
    if (!shortImage) {
        std::memcpy(image, "RIFF", 4);
        std::memcpy(image + 44, kSamples, sizeof kSamples);
    }
    liveImages.insert(image);
    *size = static_cast<int>(total);
    return image;
}

#ifndef FAKE_VOICE_WITHOUT_FREEWAVE
FAKE_VOICE_EXPORT void AquesTalk_FreeWave(unsigned char* image) {
    if (liveImages.erase(image) == 0) {
        ++badReleases;
        return;
    }
    std::free(image);
}
#endif

FAKE_VOICE_EXPORT const char* FakeVoice_LastText() {
    return lastText.c_str();
}
FAKE_VOICE_EXPORT int FakeVoice_LastSpeed() {
    return lastSpeed;
}
FAKE_VOICE_EXPORT int FakeVoice_Calls() {
    return calls;
}
FAKE_VOICE_EXPORT int FakeVoice_LiveImages() {
    return static_cast<int>(liveImages.size());
}
FAKE_VOICE_EXPORT int FakeVoice_BadReleases() {
    return badReleases;
}
