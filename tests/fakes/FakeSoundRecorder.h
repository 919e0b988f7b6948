#pragma once

#include <string>
#include <vector>

#include "sound/SoundRecorder.h"
#include "support/TempDir.h"

namespace velmora::test {

// Pretends to record: a start can be refused with a device error, and
// saving writes `content` to the path (or nothing, when saving fails).
class FakeSoundRecorder final : public SoundRecorder {
public:
    bool StartRecording(std::string& error) override {
        log.emplace_back("start");
        if (!deviceError.empty()) {
            error = deviceError;
            return false;
        }
        recording = true;
        return true;
    }
    bool StopAndSave(const std::string& path) override {
        log.push_back("save:" + path);
        const bool was = recording;
        recording = false;
        if (!was || !canSave) {
            return false;
        }
        WriteBytes(path, content);
        return true;
    }
    bool Recording() const override { return recording; }

    std::string deviceError;
    bool canSave = true;
    std::string content = "RIFF";
    bool recording = false;
    std::vector<std::string> log;
};

}  // namespace velmora::test
