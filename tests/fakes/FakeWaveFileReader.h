#pragma once

#include <map>
#include <string>
#include <vector>

#include "sound/WaveFileReader.h"

namespace velmora::test {

// Serves waves from a table of paths instead of files.
class FakeWaveFileReader final : public WaveFileReader {
public:
    std::optional<WaveData> ReadWaveFile(const std::string& path) override {
        reads.push_back(path);
        const auto it = files.find(path);
        if (it == files.end()) {
            return std::nullopt;
        }
        return it->second;
    }
    std::map<std::string, WaveData> files;
    std::vector<std::string> reads;
};

}  // namespace velmora::test
