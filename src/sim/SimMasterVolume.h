#pragma once

#include "sound/MasterVolume.h"

namespace velmora {

// The master output as a level and a mute switch in memory, always there.
class SimMasterVolume final : public MasterVolume {
public:
    SimMasterVolume(double level, bool muted) : level_(level), muted_(muted) {}

    bool Find() override { return true; }
    bool HasVolume() override { return true; }
    bool HasMute() override { return true; }
    std::optional<double> GetLevel() override { return level_; }
    bool SetLevel(double percent) override {
        if (refuseLevel_) {
            return false;
        }
        level_ = percent;
        return true;
    }
    std::optional<bool> GetMute() override { return muted_; }
    bool SetMute(bool muted) override {
        muted_ = muted;
        return true;
    }

    // The output refuses every level from now on (a server gone away).
    void SetRefuseLevel(bool refuse) { refuseLevel_ = refuse; }
    double Level() const { return level_; }
    bool Muted() const { return muted_; }

private:
    double level_;
    bool muted_;
    bool refuseLevel_ = false;
};

}  // namespace velmora
