#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "sound/sndfile/SndfileWaveReader.h"
#include "support/TempDir.h"

namespace velmora::test {
namespace {

// A 16-bit PCM wave of 100 silent frames whose header claims this rate and
// channel count.
std::string WaveBytes(std::uint32_t rate, std::uint16_t channels) {
    const std::uint32_t data = 100U * channels * 2U;
    std::string bytes;
    const auto put = [&bytes](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) {
            bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
        }
    };
    bytes += "RIFF";
    put(36 + data, 4);
    bytes += "WAVEfmt ";
    put(16, 4);
    put(1, 2);  // PCM
    put(channels, 2);
    put(rate, 4);
    put(rate * channels * 2U, 4);
    put(channels * 2U, 2);
    put(16, 2);
    bytes += "data";
    put(data, 4);
    bytes.append(data, '\0');
    return bytes;
}

// A header claiming a rate or a channel count no sound output takes is
// damaged: the file is refused rather than handed on to fail (or to play as
// nothing) at the output.
TEST(SndfileWaveReader, RefusesFormatsNoOutputTakes) {
    struct Case {
        std::uint32_t rate;
        std::uint16_t channels;
        bool read;
    };
    const Case cases[] = {
        {8000, 1, true}, {384'000, 2, true},        {384'001, 1, false},
        {999, 1, false}, {1'000'000'000, 1, false}, {8000, 33, false},
    };
    TempDir dir;
    for (const Case& c : cases) {
        const std::string path = dir.File("MyAlarm.wav");
        WriteBytes(path, WaveBytes(c.rate, c.channels));
        const auto wave = SndfileWaveReader().ReadWaveFile(path);
        EXPECT_EQ(wave.has_value(), c.read) << c.rate << " Hz, " << c.channels << " channels";
        if (wave) {
            EXPECT_EQ(wave->SampleRate, static_cast<int>(c.rate));
            EXPECT_EQ(wave->Frames(), 100U);
        }
    }
}

}  // namespace
}  // namespace velmora::test
