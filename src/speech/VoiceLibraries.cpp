#include "speech/VoiceLibraries.h"

#include <dlfcn.h>

#include <algorithm>
#include <array>

#include "base/ShiftJis.h"

namespace velmora {
namespace {

constexpr std::array<const char*, kVoiceCount> kVoiceFolders = {"f1", "f2", "m1", "m2", "r1", "r2"};
constexpr size_t kWaveHeaderSize = 44;

bool IsVoice(int voice) {
    return voice >= 0 && voice < kVoiceCount;
}

template <typename Entry>
Entry LookUp(void* library, const char* name) {
    return reinterpret_cast<Entry>(::dlsym(library, name));
}

}  // namespace

VoiceLibraries::VoiceLibraries(std::string programFolder, FatalNotice& fatal)
    : programFolder_(std::move(programFolder)), fatal_(fatal) {}

VoiceLibraries::~VoiceLibraries() {
    for (Slot& slot : slots_) {
        if (slot.library != nullptr) {
            ::dlclose(slot.library);
        }
    }
}

std::string VoiceLibraries::LibraryFile(int voice) {
    if (!IsVoice(voice)) {
        return {};
    }
    return std::string(kVoiceFolders[static_cast<size_t>(voice)]) + "/libAquesTalk.so";
}

bool VoiceLibraries::LoadVoice(int voice) {
    if (!IsVoice(voice)) {
        return false;
    }
    Slot& slot = slots_[static_cast<size_t>(voice)];
    if (slot.library != nullptr) {
        return true;
    }
    const std::string path = programFolder_ + LibraryFile(voice);
    void* library = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        fatal_.ShowAndExit(kVoiceDataMissingMessage);
        return false;
    }
    const auto synthe = LookUp<SyntheEntry>(library, "AquesTalk_Synthe");
    const auto freeWave = LookUp<FreeWaveEntry>(library, "AquesTalk_FreeWave");
    if (synthe == nullptr || freeWave == nullptr) {
        ::dlclose(library);
        fatal_.ShowAndExit(kVoiceDataMissingMessage);
        return false;
    }
    slot.library = library;
    slot.synthe = synthe;
    slot.freeWave = freeWave;
    return true;
}

std::optional<std::vector<unsigned char>> VoiceLibraries::CopyWave(int voice,
                                                                   std::string_view phoneticText,
                                                                   int speed, size_t offset) {
    // An empty text never reaches a library, and a NUL would cut the text
    // short without anyone noticing.
    if (phoneticText.empty() || phoneticText.find('\0') != std::string_view::npos ||
        !LoadVoice(voice)) {
        return std::nullopt;
    }
    // Characters Shift-JIS lacks would reach the voice as something else.
    const auto sjis = Utf8ToSjis("。" + std::string(phoneticText), SjisFit::Folded);
    if (!sjis) {
        return std::nullopt;
    }
    Slot& slot = slots_[static_cast<size_t>(voice)];
    slot.lastWave = slot.synthe(sjis->c_str(), speed, &waveSize_);
    if (slot.lastWave == nullptr) {
        return std::nullopt;
    }
    struct Release {
        Slot& slot;
        ~Release() {
            slot.freeWave(slot.lastWave);
            slot.lastWave = nullptr;
        }
    } release{slot};
    // An image shorter than its own header has nothing to play.
    if (waveSize_ < 0 || static_cast<size_t>(waveSize_) < std::max(offset, kWaveHeaderSize)) {
        return std::nullopt;
    }
    return std::vector<unsigned char>(slot.lastWave + offset,
                                      slot.lastWave + static_cast<size_t>(waveSize_));
}

std::optional<std::vector<std::int16_t>> VoiceLibraries::SynthesizeSpeech(
    int voice, std::string_view phoneticText, int speed) {
    const auto bytes = CopyWave(voice, phoneticText, speed, kWaveHeaderSize);
    if (!bytes) {
        return std::nullopt;
    }
    std::vector<std::int16_t> samples(bytes->size() / 2);
    for (size_t i = 0; i < samples.size(); ++i) {
        const auto low = static_cast<unsigned>((*bytes)[2 * i]);
        const auto high = static_cast<unsigned>((*bytes)[2 * i + 1]);
        samples[i] = static_cast<std::int16_t>(static_cast<std::uint16_t>(low | (high << 8)));
    }
    return samples;
}

std::optional<std::vector<unsigned char>> VoiceLibraries::SynthesizeWaveImage(
    int voice, std::string_view phoneticText, int speed) {
    return CopyWave(voice, phoneticText, speed, 0);
}

}  // namespace velmora
