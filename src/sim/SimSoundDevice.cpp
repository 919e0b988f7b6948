#include "sim/SimSoundDevice.h"

#include <utility>

namespace velmora {

SimSoundDevice::Channel* SimSoundDevice::Find(int channel) {
    if (channel < 0 || channel >= ChannelCount()) {
        return nullptr;
    }
    return &channels_[static_cast<size_t>(channel)];
}

bool SimSoundDevice::SetWave(int channel, std::shared_ptr<const WaveData> wave) {
    Channel* c = Find(channel);
    if (c == nullptr) {
        return false;
    }
    Stop(channel);
    c->wave = std::move(wave);
    return true;
}

bool SimSoundDevice::Play(int channel, bool looped) {
    Channel* c = Find(channel);
    if (c == nullptr || !c->wave) {
        return false;
    }
    const unsigned run = ++c->run;
    c->status = looped ? kChannelPlayingLooped : kChannelPlayingOnce;
    if (!looped) {
        time_.After(c->wave->Milliseconds(), [c, run] {
            if (c->run == run) {
                c->status = kChannelIdle;
            }
        });
    }
    return true;
}

void SimSoundDevice::Stop(int channel) {
    if (Channel* c = Find(channel)) {
        ++c->run;
        c->status = kChannelIdle;
    }
}

int SimSoundDevice::Status(int channel) {
    const Channel* c = Find(channel);
    return c == nullptr ? kChannelIdle : c->status;
}

}  // namespace velmora
