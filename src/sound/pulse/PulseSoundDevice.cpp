#include "sound/pulse/PulseSoundDevice.h"

#include <utility>

#include "sound/Attenuation.h"

namespace velmora {

PulseSoundDevice::PulseSoundDevice(int channelCount) {
    for (int i = 0; i < channelCount; ++i) {
        channels_.push_back(std::make_unique<PulseSoundChannel>());
    }
}

PulseSoundChannel* PulseSoundDevice::At(int channel) {
    if (channel < 0 || channel >= ChannelCount()) {
        return nullptr;
    }
    return channels_[static_cast<size_t>(channel)].get();
}

// Every start finds the server's default output for itself.
bool PulseSoundDevice::Open() {
    return true;
}

bool PulseSoundDevice::SetWave(int channel, std::shared_ptr<const WaveData> wave) {
    PulseSoundChannel* target = At(channel);
    if (target == nullptr || !wave) {
        return false;
    }
    target->SetWave(std::move(wave));
    return true;
}

void PulseSoundDevice::SetVolume(int channel, int attenuation) {
    PulseSoundChannel* target = At(channel);
    const auto gain = AttenuationToGain(attenuation);
    if (target != nullptr && gain) {
        target->SetGain(*gain);
    }
}

bool PulseSoundDevice::Play(int channel, bool looped) {
    PulseSoundChannel* target = At(channel);
    if (target == nullptr) {
        return false;
    }
    // Without a sound server nothing can be heard, as without an output at
    // all; the caller goes on as if it had played and the channel reads
    // idle, so the next start tries again.
    return target->Play(looped) != PlaybackStart::Failed;
}

void PulseSoundDevice::Stop(int channel) {
    if (PulseSoundChannel* target = At(channel)) {
        target->Stop();
    }
}

int PulseSoundDevice::Status(int channel) {
    PulseSoundChannel* target = At(channel);
    return target != nullptr ? target->Status() : kChannelIdle;
}

}  // namespace velmora
