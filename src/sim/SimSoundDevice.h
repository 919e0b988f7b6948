#pragma once

#include <array>
#include <memory>

#include "sim/VirtualTime.h"
#include "sound/SoundDevice.h"

namespace velmora {

// A sound output that plays in virtual time: a channel started once is busy
// for exactly the length of its wave and then falls silent by itself. No
// sound is made.
class SimSoundDevice final : public SoundDevice {
public:
    explicit SimSoundDevice(VirtualTime& time) : time_(time) {}

    bool Open() override { return true; }
    int ChannelCount() const override { return static_cast<int>(channels_.size()); }
    bool SetWave(int channel, std::shared_ptr<const WaveData> wave) override;
    void SetVolume(int /*channel*/, int /*attenuation*/) override {}
    bool Play(int channel, bool looped) override;
    void Stop(int channel) override;
    int Status(int channel) override;

private:
    struct Channel {
        std::shared_ptr<const WaveData> wave;
        int status = kChannelIdle;
        unsigned run = 0;  // which start a pending end belongs to
    };
    Channel* Find(int channel);

    VirtualTime& time_;
    std::array<Channel, 8> channels_{};
};

}  // namespace velmora
