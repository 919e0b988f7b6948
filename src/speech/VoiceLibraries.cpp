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

// 16-bit little-endian samples of the bytes after the header.
std::optional<std::vector<std::int16_t>> SamplesOf(
    const std::optional<std::vector<unsigned char>>& bytes) {
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

template <typename Entry>
Entry LookUp(void* library, const char* name) {
    return reinterpret_cast<Entry>(::dlsym(library, name));
}

}  // namespace

VoiceLibraries::VoiceLibraries(std::string programFolder, FatalNotice& fatal)
    : programFolder_(std::move(programFolder)), fatal_(fatal) {}

VoiceLibraries::~VoiceLibraries() {
    // A preparation still running uses a library: it ends before they go.
    if (prepared_ && prepared_->samples.valid()) {
        prepared_->samples.wait();
    }
    prepared_.reset();
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
    return CopyLoadedWave(voice, *sjis, speed, offset);
}

std::optional<std::vector<unsigned char>> VoiceLibraries::CopyLoadedWave(int voice,
                                                                         const std::string& sjis,
                                                                         int speed, size_t offset) {
    const std::lock_guard lock(libraryMutex_);
    Slot& slot = slots_[static_cast<size_t>(voice)];
    slot.lastWave = slot.synthe(sjis.c_str(), speed, &waveSize_);
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
    if (prepared_ && prepared_->voice == voice && prepared_->text == phoneticText &&
        prepared_->speed == speed) {
        return prepared_->samples.get();
    }
    return SamplesOf(CopyWave(voice, phoneticText, speed, kWaveHeaderSize));
}

void VoiceLibraries::Prepare(int voice, std::string_view phoneticText, int speed) {
    if (prepared_ && prepared_->voice == voice && prepared_->text == phoneticText &&
        prepared_->speed == speed) {
        return;
    }
    if (prepared_ && prepared_->samples.valid()) {
        prepared_->samples.wait();
    }
    prepared_.reset();
    const auto sjis = Utf8ToSjis("。" + std::string(phoneticText), SjisFit::Folded);
    if (phoneticText.empty() || phoneticText.find('\0') != std::string_view::npos || !sjis ||
        !LoadVoice(voice)) {
        return;
    }
    prepared_ =
        Preparation{voice, std::string(phoneticText), speed,
                    std::async(std::launch::async, [this, voice, text = *sjis, speed] {
                        return SamplesOf(CopyLoadedWave(voice, text, speed, kWaveHeaderSize));
                    }).share()};
}

std::optional<std::vector<unsigned char>> VoiceLibraries::SynthesizeWaveImage(
    int voice, std::string_view phoneticText, int speed) {
    return CopyWave(voice, phoneticText, speed, 0);
}

}  // namespace velmora
