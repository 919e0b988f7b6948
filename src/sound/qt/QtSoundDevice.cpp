#include "sound/qt/QtSoundDevice.h"

#include <utility>

#include "sound/Attenuation.h"

namespace velmora {

QtSoundDevice::QtSoundDevice(int channelCount) {
    for (int i = 0; i < channelCount; ++i) {
        channels_.push_back(std::make_unique<QtSoundChannel>());
    }
}

QtSoundChannel* QtSoundDevice::At(int channel) {
    if (channel < 0 || channel >= ChannelCount()) {
        return nullptr;
    }
    return channels_[static_cast<size_t>(channel)].get();
}

// Every start finds the server's default output for itself.
bool QtSoundDevice::Open() {
    return true;
}

bool QtSoundDevice::SetWave(int channel, std::shared_ptr<const WaveData> wave) {
    QtSoundChannel* target = At(channel);
    if (target == nullptr || !wave) {
        return false;
    }
    target->SetWave(std::move(wave));
    return true;
}

void QtSoundDevice::SetVolume(int channel, int attenuation) {
    QtSoundChannel* target = At(channel);
    const auto gain = AttenuationToGain(attenuation);
    if (target != nullptr && gain) {
        target->SetGain(*gain);
    }
}

bool QtSoundDevice::Play(int channel, bool looped) {
    QtSoundChannel* target = At(channel);
    if (target == nullptr) {
        return false;
    }
    // Without a sound server nothing can be heard, as without an output at
    // all; the caller goes on as if it had played and the channel reads
    // idle, so the next start tries again.
    return target->Play(looped) != PlaybackStart::Failed;
}

void QtSoundDevice::Stop(int channel) {
    if (QtSoundChannel* target = At(channel)) {
        target->Stop();
    }
}

int QtSoundDevice::Status(int channel) {
    QtSoundChannel* target = At(channel);
    return target != nullptr ? target->Status() : kChannelIdle;
}

}  // namespace velmora
