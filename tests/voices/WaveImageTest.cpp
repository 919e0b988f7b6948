#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/WaveImage.h"

namespace velmora::voice {
namespace {

TEST(WaveImage, CanonicalHeaderFollowedByLittleEndianSamples) {
    const std::vector<std::int16_t> samples = {1, -2, 0x1234};
    int size = 0;
    unsigned char* image = NewWaveImage(samples, 8000, size);
    ASSERT_NE(image, nullptr);
    ASSERT_EQ(size, 50);
    const std::string bytes(reinterpret_cast<const char*>(image), static_cast<size_t>(size));
    std::free(image);
    const std::string expected = std::string("RIFF") + std::string("\x2A\0\0\0", 4) + "WAVE" +
                                 "fmt " + std::string("\x10\0\0\0", 4) +
                                 std::string("\x01\0\x01\0", 4) +         // PCM, mono
                                 std::string("\x40\x1F\0\0", 4) +         // 8000 Hz
                                 std::string("\x80\x3E\0\0", 4) +         // 16000 bytes/s
                                 std::string("\x02\0\x10\0", 4) +         // 2 bytes, 16 bits
                                 "data" + std::string("\x06\0\0\0", 4) +  // 6 bytes of samples
                                 std::string("\x01\0\xFE\xFF\x34\x12", 6);
    EXPECT_EQ(bytes, expected);
}

TEST(WaveImage, NoSamplesIsAHeaderAlone) {
    int size = -1;
    unsigned char* image = NewWaveImage({}, 8000, size);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(size, kWaveHeaderSize);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(image) + 40, 4), std::string(4, '\0'));
    std::free(image);
}

}  // namespace
}  // namespace velmora::voice
