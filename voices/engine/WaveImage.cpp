#include "engine/WaveImage.h"

#include <climits>
#include <cstdlib>
#include <cstring>

namespace velmora::voice {
namespace {

unsigned char* Put16(unsigned char* at, std::uint32_t value) {
    at[0] = static_cast<unsigned char>(value & 0xFFu);
    at[1] = static_cast<unsigned char>((value >> 8) & 0xFFu);
    return at + 2;
}

unsigned char* Put32(unsigned char* at, std::uint32_t value) {
    return Put16(Put16(at, value & 0xFFFFu), value >> 16);
}

unsigned char* PutTag(unsigned char* at, const char (&tag)[5]) {
    std::memcpy(at, tag, 4);
    return at + 4;
}

}  // namespace

unsigned char* NewWaveImage(std::span<const std::int16_t> samples, int sampleRate, int& size) {
    constexpr std::uint32_t kChannels = 1;
    constexpr std::uint32_t kBytesPerSample = 2;
    if (samples.size() > (INT_MAX - kWaveHeaderSize) / kBytesPerSample || sampleRate <= 0) {
        return nullptr;
    }
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    const std::uint32_t total = kWaveHeaderSize + dataSize;
    auto* image = static_cast<unsigned char*>(std::malloc(total));
    if (image == nullptr) {
        return nullptr;
    }
    const auto rate = static_cast<std::uint32_t>(sampleRate);
    unsigned char* at = PutTag(image, "RIFF");
    at = Put32(at, total - 8);
    at = PutTag(at, "WAVE");
    at = PutTag(at, "fmt ");
    at = Put32(at, 16);  // size of the format chunk
    at = Put16(at, 1);   // PCM
    at = Put16(at, kChannels);
    at = Put32(at, rate);
    at = Put32(at, rate * kChannels * kBytesPerSample);
    at = Put16(at, kChannels * kBytesPerSample);
    at = Put16(at, kBytesPerSample * 8);
    at = PutTag(at, "data");
    at = Put32(at, dataSize);
    for (const std::int16_t sample : samples) {
        at = Put16(at, static_cast<std::uint16_t>(sample));
    }
    size = static_cast<int>(total);
    return image;
}

}  // namespace velmora::voice
