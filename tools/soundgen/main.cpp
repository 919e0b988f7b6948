// Writes the built-in sounds into <program folder>/Data/ at build time, so
// no binary sound file lives in the repository.
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <iostream>

#include "SoundRecipes.h"

namespace {

bool WriteWave(const std::filesystem::path& path, const velmora::soundgen::Signal& signal) {
    std::vector<std::int16_t> samples;
    samples.reserve(signal.size());
    for (double v : signal) {
        samples.push_back(static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767)));
    }
    SF_INFO info{};
    info.samplerate = velmora::soundgen::kRate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) {
        std::cerr << "velmora-soundgen: " << path.string() << ": " << sf_strerror(nullptr) << '\n';
        return false;
    }
    const auto count = static_cast<sf_count_t>(samples.size());
    const bool ok = sf_write_short(file, samples.data(), count) == count;
    return sf_close(file) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: velmora-soundgen PROGRAM_FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::error_code error;
    std::filesystem::create_directories(folder / "Data", error);
    for (const auto& recipe : velmora::soundgen::Recipes()) {
        if (!WriteWave(folder / recipe.file, recipe.make())) {
            return 1;
        }
    }
    return 0;
}
