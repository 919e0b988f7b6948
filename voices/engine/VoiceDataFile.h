#pragma once

#include <string>
#include <string_view>

namespace velmora::voice {

// The path of a voice file in the program's htsvoice folder, found from
// where this library itself was loaded (<program folder>/<voice>/): a
// library cannot rely on the working folder or on the program telling it.
std::string VoiceDataFile(std::string_view fileName);

}  // namespace velmora::voice
