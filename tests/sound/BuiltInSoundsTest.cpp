#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "sound/BuiltInSounds.h"
#include "sound/sndfile/SndfileWaveReader.h"
#include "support/SignalAnalysis.h"
#include "support/TestEnvironment.h"

namespace velmora::test {
namespace {

struct Sound {
    std::string file;
    WaveData wave;
};

std::vector<Sound> LoadAll() {
    std::vector<std::string> files(kBuiltInAlarmSoundFiles.begin(), kBuiltInAlarmSoundFiles.end());
    files.emplace_back(kJihoToneSoundFile);
    SndfileWaveReader reader;
    std::vector<Sound> sounds;
    for (const std::string& file : files) {
        auto wave = reader.ReadWaveFile(ProgramDir() + "/" + file);
        EXPECT_TRUE(wave) << file << " was not generated beside the program";
        if (wave) {
            sounds.push_back({file, std::move(*wave)});
        }
    }
    return sounds;
}

double Seconds(const WaveData& wave) {
    return static_cast<double>(wave.Frames()) / wave.SampleRate;
}

// Levels of 24 bands from 150 Hz to 6 kHz: a coarse picture of the sound.
std::vector<double> Spectrum(const WaveData& wave) {
    std::vector<double> bands;
    for (int band = 0; band < 24; ++band) {
        const double frequency = 150.0 * std::pow(40.0, band / 23.0);
        bands.push_back(
            ToneLevel(wave.Samples, 0, wave.Samples.size(), frequency, wave.SampleRate));
    }
    return bands;
}

double Similarity(const std::vector<double>& a, const std::vector<double>& b) {
    double ab = 0, aa = 0, bb = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        ab += a[i] * b[i];
        aa += a[i] * a[i];
        bb += b[i] * b[i];
    }
    return ab / std::sqrt(aa * bb);
}

TEST(BuiltInSounds, EveryListedSoundIsAShortCleanMonoWave) {
    const auto sounds = LoadAll();
    ASSERT_EQ(sounds.size(), 14U);
    for (const Sound& s : sounds) {
        const auto& samples = s.wave.Samples;
        EXPECT_EQ(s.wave.Channels, 1) << s.file;
        EXPECT_GT(Seconds(s.wave), 0.1) << s.file;
        EXPECT_LT(Seconds(s.wave), s.file == kJihoToneSoundFile ? 5.0 : 3.0) << s.file;
        const int peak = std::abs(static_cast<int>(
            *std::max_element(samples.begin(), samples.end(), [](std::int16_t a, std::int16_t b) {
                return std::abs(static_cast<int>(a)) < std::abs(static_cast<int>(b));
            })));
        EXPECT_GT(peak, 32768 * 0.3) << s.file << " is too quiet";
        EXPECT_LT(peak, 32768 * 0.9) << s.file << " may clip";
        // Faded in and out: no click at either end.
        EXPECT_LT(std::abs(static_cast<int>(samples.front())), 300) << s.file;
        EXPECT_LT(std::abs(static_cast<int>(samples.back())), 300) << s.file;
    }
}

TEST(BuiltInSounds, NoTwoSoundAlike) {
    const auto sounds = LoadAll();
    std::vector<std::vector<double>> spectra;
    for (const Sound& s : sounds) {
        spectra.push_back(Spectrum(s.wave));
    }
    for (size_t i = 0; i < sounds.size(); ++i) {
        for (size_t j = i + 1; j < sounds.size(); ++j) {
            const bool lengthsDiffer =
                std::abs(Seconds(sounds[i].wave) - Seconds(sounds[j].wave)) > 0.1;
            const bool spectraDiffer = Similarity(spectra[i], spectra[j]) < 0.9;
            EXPECT_TRUE(lengthsDiffer || spectraDiffer)
                << sounds[i].file << " ~ " << sounds[j].file;
        }
    }
}

TEST(BuiltInSounds, TimeSignalHasThreePipsAndTheToneExactlyOnTheMark) {
    SndfileWaveReader reader;
    const auto jiho = reader.ReadWaveFile(ProgramDir() + "/" + kJihoToneSoundFile);
    ASSERT_TRUE(jiho);
    const auto& s = jiho->Samples;
    const int rate = jiho->SampleRate;
    const auto at = [rate](double seconds) {
        return static_cast<size_t>(std::llround(seconds * rate));
    };
    for (double pip : {0.0, 1.0, 2.0}) {
        EXPECT_GT(ToneLevel(s, at(pip + 0.01), at(pip + 0.09), 440, rate), 0.3) << pip;
        EXPECT_LT(ToneLevel(s, at(pip + 0.01), at(pip + 0.09), 880, rate), 0.01) << pip;
        // 100 ms long: quiet from 0.1 s after its start to the next second.
        EXPECT_LT(Rms(s, at(pip + 0.102), at(pip + 0.998)), 0.001) << pip;
    }
    const auto mark = FirstAbove(s, 0.001, at(2.5));
    ASSERT_TRUE(mark);
    EXPECT_GE(*mark, at(3.0));
    EXPECT_LE(*mark, at(3.0) + at(0.002));
    EXPECT_GT(ToneLevel(s, at(3.01), at(3.1), 880, rate), 0.3);
    EXPECT_LT(ToneLevel(s, at(3.01), at(3.1), 440, rate), 0.01);
    // Faded out within about one and a half seconds.
    EXPECT_LT(Rms(s, at(4.4), std::min(at(4.5), s.size())), 0.01);
    EXPECT_LE(static_cast<double>(s.size()) / rate, 4.6);
}

}  // namespace
}  // namespace velmora::test
