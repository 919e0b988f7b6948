#include "sound/sndfile/SndfileWaveReader.h"

#include <sndfile.h>

#include <memory>

namespace velmora {
namespace {

struct CloseFile {
    void operator()(SNDFILE* file) const { sf_close(file); }
};

}  // namespace

std::optional<WaveData> SndfileWaveReader::ReadWaveFile(const std::string& path) {
    SF_INFO info{};
    std::unique_ptr<SNDFILE, CloseFile> file(sf_open(path.c_str(), SFM_READ, &info));
    if (!file) {
        return std::nullopt;
    }
    const int type = info.format & SF_FORMAT_TYPEMASK;
    if ((type != SF_FORMAT_WAV && type != SF_FORMAT_WAVEX) ||
        !PlayableWaveFormat(info.samplerate, info.channels) || info.frames < 1) {
        return std::nullopt;
    }
    WaveData wave;
    wave.SampleRate = info.samplerate;
    wave.Channels = info.channels;
    wave.Samples.resize(static_cast<size_t>(info.frames) * static_cast<size_t>(info.channels));
    const sf_count_t read = sf_readf_short(file.get(), wave.Samples.data(), info.frames);
    if (read < 1) {
        return std::nullopt;
    }
    wave.Samples.resize(static_cast<size_t>(read) * static_cast<size_t>(info.channels));
    return wave;
}

}  // namespace velmora
