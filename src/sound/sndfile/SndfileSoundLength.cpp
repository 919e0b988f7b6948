#include "sound/sndfile/SndfileSoundLength.h"

#include <sndfile.h>

namespace velmora {

std::optional<long long> SoundFileLengthMs(const std::string& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr) {
        return std::nullopt;
    }
    sf_close(file);
    // A stream whose end is not in its header reports the largest count.
    if (info.samplerate < 1 || info.frames < 0 || info.frames == SF_COUNT_MAX) {
        return std::nullopt;
    }
    return static_cast<long long>(info.frames) * 1000 / info.samplerate;
}

}  // namespace velmora
