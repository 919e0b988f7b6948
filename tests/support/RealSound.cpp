#include "support/RealSound.h"

#include <sndfile.h>

#include <cmath>
#include <numbers>

namespace velmora::test {

std::vector<std::int16_t> Sine(double frequency, double seconds, double level, int rate,
                               int channels) {
    const auto frames = static_cast<std::size_t>(seconds * rate);
    std::vector<std::int16_t> samples;
    samples.reserve(frames * static_cast<std::size_t>(channels));
    for (std::size_t i = 0; i < frames; ++i) {
        const double v =
            level * std::sin(2 * std::numbers::pi * frequency * static_cast<double>(i) / rate);
        for (int c = 0; c < channels; ++c) {
            samples.push_back(static_cast<std::int16_t>(std::lround(v * 32767)));
        }
    }
    return samples;
}

void WriteWaveFile(const std::string& path, const WaveData& wave) {
    SF_INFO info{};
    info.samplerate = wave.SampleRate;
    info.channels = wave.Channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
    sf_writef_short(file, wave.Samples.data(), static_cast<sf_count_t>(wave.Frames()));
    sf_close(file);
}

}  // namespace velmora::test
