#pragma once

#include <array>
#include <cstdint>
#include <future>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "speech/FatalNotice.h"
#include "speech/SpeechSynthesizer.h"

namespace velmora {

// The six voice libraries beside the program ("f1/libAquesTalk.so" ...
// "r2/libAquesTalk.so"), each loaded on its first utterance and kept until
// this object goes. Every library exports AquesTalk_Synthe (Shift-JIS
// phonetic text, speed, address of the size -> WAVE image or null) and
// AquesTalk_FreeWave.
class VoiceLibraries final : public SpeechSynthesizer {
public:
    // `programFolder` ends with a slash. `fatal` is told when a library or
    // an entry is missing; it must outlive this object.
    VoiceLibraries(std::string programFolder, FatalNotice& fatal);
    ~VoiceLibraries() override;
    VoiceLibraries(const VoiceLibraries&) = delete;
    VoiceLibraries& operator=(const VoiceLibraries&) = delete;

    // The library file of voice 0..5, relative to the program folder.
    static std::string LibraryFile(int voice);

    // Makes sure the library of the voice is loaded with both entries.
    // false (after the fatal notice) when it cannot be.
    bool LoadVoice(int voice);

    // The samples of "。" + text, copied out of the library's image, which
    // is released before returning. nullopt for an empty text (the library
    // is not even loaded), a text Shift-JIS cannot hold, or a text the
    // voice refuses.
    std::optional<std::vector<std::int16_t>> SynthesizeSpeech(int voice,
                                                              std::string_view phoneticText,
                                                              int speed) override;
    // Loads the voice here (a missing one is reported as by SynthesizeSpeech)
    // and synthesizes in the background; SynthesizeSpeech of the same voice,
    // text and speed then takes that result, waiting for it if need be.
    void Prepare(int voice, std::string_view phoneticText, int speed) override;

    // The library's whole image (header included) for "。" + text, for
    // tools that store it as a file. Same failures as SynthesizeSpeech.
    std::optional<std::vector<unsigned char>> SynthesizeWaveImage(int voice,
                                                                  std::string_view phoneticText,
                                                                  int speed);

    // The size the last synthesis reported.
    std::int32_t WaveSize() const { return waveSize_; }

private:
    using SyntheEntry = unsigned char* (*)(const char*, int, int*);
    using FreeWaveEntry = void (*)(unsigned char*);

    using Samples = std::optional<std::vector<std::int16_t>>;

    struct Preparation {
        int voice = 0;
        std::string text;
        int speed = 0;
        std::shared_future<Samples> samples;
    };

    struct Slot {
        void* library = nullptr;
        SyntheEntry synthe = nullptr;
        FreeWaveEntry freeWave = nullptr;
        unsigned char* lastWave = nullptr;
    };

    // The bytes of the image for "。" + text from `offset` on; the image is
    // released before this returns, whatever happens.
    std::optional<std::vector<unsigned char>> CopyWave(int voice, std::string_view phoneticText,
                                                       int speed, size_t offset);
    // The call into a loaded library and the copy, one at a time: the
    // background preparation and the caller's thread share the slots.
    std::optional<std::vector<unsigned char>> CopyLoadedWave(int voice, const std::string& sjis,
                                                             int speed, size_t offset);

    std::string programFolder_;
    FatalNotice& fatal_;
    std::array<Slot, kVoiceCount> slots_{};
    std::int32_t waveSize_ = 0;
    std::mutex libraryMutex_;
    std::optional<Preparation> prepared_;
};

}  // namespace velmora
