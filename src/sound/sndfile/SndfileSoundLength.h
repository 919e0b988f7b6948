#pragma once

#include <optional>
#include <string>

namespace velmora {

// The playing time of a sound file in whole milliseconds (rounded down), as
// libsndfile reads its header; nullopt when the file cannot be opened or its
// length is unknown. An empty file has length 0.
std::optional<long long> SoundFileLengthMs(const std::string& path);

}  // namespace velmora
