#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sound/MasterVolume.h"

namespace velmora::test {

// Not sim/SimMasterVolume: the output can be missing and any call can fail.
// A master output held in memory that can be missing or refuse any call,
// writing down every change it is asked for ("level:50", "mute:0").
class FakeMasterVolume final : public MasterVolume {
public:
    bool present = true;
    bool hasVolume = true;
    bool hasMute = true;
    double level = 100.0;
    bool muted = false;
    bool getLevelFails = false;
    bool setLevelFails = false;
    bool getMuteFails = false;
    bool setMuteFails = false;
    std::vector<std::string> writes;

    bool Find() override { return present; }
    bool HasVolume() override { return hasVolume; }
    bool HasMute() override { return hasMute; }

    std::optional<double> GetLevel() override {
        if (!present || !hasVolume || getLevelFails) {
            return std::nullopt;
        }
        return level;
    }
    bool SetLevel(double percent) override {
        writes.push_back("level:" + Format(percent));
        if (!present || !hasVolume || setLevelFails) {
            return false;
        }
        level = percent;
        return true;
    }
    std::optional<bool> GetMute() override {
        if (!present || !hasMute || getMuteFails) {
            return std::nullopt;
        }
        return muted;
    }
    bool SetMute(bool value) override {
        writes.push_back(value ? "mute:1" : "mute:0");
        if (!present || !hasMute || setMuteFails) {
            return false;
        }
        muted = value;
        return true;
    }

private:
    static std::string Format(double value) {
        std::string text = std::to_string(value);
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') {
            text.pop_back();
        }
        return text;
    }
};

}  // namespace velmora::test
