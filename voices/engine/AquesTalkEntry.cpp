// The two entries of a voice library. The same source is built once per
// voice, with VELMORA_VOICE_ID naming the voice (0 f1 ... 5 r2); nothing
// else of the library is visible from outside.
#include <cstdlib>
#include <string>

#include "base/ShiftJis.h"
#include "engine/VoiceProfile.h"
#include "engine/VoiceSynthesis.h"
#include "engine/WaveImage.h"

#ifndef VELMORA_VOICE_ID
#error "VELMORA_VOICE_ID must name the voice this library speaks with"
#endif

#define VELMORA_VOICE_EXPORT extern "C" __attribute__((visibility("default")))

// koe: NUL-terminated Shift-JIS phonetic text; speed: 50..300 (100 is a
// natural pace); size: receives the image's length. Returns a WAVE image
// (8000 Hz, 16-bit, mono, 44-byte header) to be released with
// AquesTalk_FreeWave, or null when the text cannot be spoken.
VELMORA_VOICE_EXPORT unsigned char* AquesTalk_Synthe(const char* koe, int speed, int* size) {
    if (koe == nullptr || size == nullptr || *koe == '\0') {
        return nullptr;
    }
    try {
        const std::string text = velmora::SjisToUtf8(koe);
        const auto samples = velmora::voice::SynthesizeSamples(
            text, velmora::voice::VoiceProfileFor(VELMORA_VOICE_ID), speed);
        if (!samples) {
            return nullptr;
        }
        int imageSize = 0;
        unsigned char* image =
            velmora::voice::NewWaveImage(*samples, velmora::voice::kOutputSampleRate, imageSize);
        if (image != nullptr) {
            *size = imageSize;
        }
        return image;
    } catch (...) {
        // Nothing may cross into a caller that knows only C.
        return nullptr;
    }
}

VELMORA_VOICE_EXPORT void AquesTalk_FreeWave(unsigned char* wave) {
    std::free(wave);
}
