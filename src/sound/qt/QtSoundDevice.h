#pragma once

#include <QAudioDevice>
#include <memory>
#include <vector>

#include "sound/SoundDevice.h"
#include "sound/qt/QtSoundChannel.h"

namespace velmora {

// The sound device on Qt Multimedia's audio sinks (PulseAudio, or
// PipeWire's PulseAudio service). Every start opens a new stream on the
// default output found by the last Open(), so a restarted server or a new
// default output is picked up by the next utterance.
class QtSoundDevice final : public SoundDevice {
public:
    static constexpr int kDefaultChannelCount = 8;
    // From Play to the first sample at the sound server's output, as
    // measured on PulseAudio (playback_bench: 23-26 ms median for a wave
    // on a channel). An output with a longer latency of its own (a
    // Bluetooth headset) is heard that much later still.
    static constexpr int kStartLatencyMs = 25;

    explicit QtSoundDevice(int channelCount = kDefaultChannelCount);

    bool Open() override;
    int ChannelCount() const override { return static_cast<int>(channels_.size()); }
    bool SetWave(int channel, std::shared_ptr<const WaveData> wave) override;
    void SetVolume(int channel, int attenuation) override;
    bool Play(int channel, bool looped) override;
    void Stop(int channel) override;
    int Status(int channel) override;

private:
    QtSoundChannel* At(int channel);

    std::vector<std::unique_ptr<QtSoundChannel>> channels_;
    QAudioDevice output_;
};

}  // namespace velmora
