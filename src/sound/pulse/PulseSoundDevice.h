#pragma once

#include <memory>
#include <vector>

#include "sound/SoundDevice.h"
#include "sound/pulse/PulseSoundChannel.h"

namespace velmora {

// The sound device on the PulseAudio server (or PipeWire's PulseAudio
// service). Every start opens a new connection and stream on the server's
// default output, so a restarted server or a new default output is picked
// up by the next utterance. (Qt's own audio sinks share one connection that
// is given up for good when the server stays away for a few seconds.)
class PulseSoundDevice final : public SoundDevice {
public:
    static constexpr int kDefaultChannelCount = 8;

    explicit PulseSoundDevice(int channelCount = kDefaultChannelCount);

    bool Open() override;
    int ChannelCount() const override { return static_cast<int>(channels_.size()); }
    bool SetWave(int channel, std::shared_ptr<const WaveData> wave) override;
    void SetVolume(int channel, int attenuation) override;
    bool Play(int channel, bool looped) override;
    void Stop(int channel) override;
    int Status(int channel) override;

private:
    PulseSoundChannel* At(int channel);

    std::vector<std::unique_ptr<PulseSoundChannel>> channels_;
};

}  // namespace velmora
