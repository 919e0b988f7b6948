#include "sound/MixerMasterVolume.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "sound/EMixerError.h"

namespace velmora {

MixerMasterVolume::MixerMasterVolume(std::unique_ptr<TMixer> mixer) : mixer_(std::move(mixer)) {}

bool MixerMasterVolume::Find() {
    return mixer_->SpeakersItem() != nullptr;
}

bool MixerMasterVolume::HasVolume() {
    const TMixerItem* item = mixer_->SpeakersItem();
    return item != nullptr && item->HasVolume();
}

bool MixerMasterVolume::HasMute() {
    const TMixerItem* item = mixer_->SpeakersItem();
    return item != nullptr && item->HasMute();
}

std::optional<double> MixerMasterVolume::GetLevel() {
    try {
        const int percent = mixer_->GetSpeakersVolume();
        if (percent < 0) {
            return std::nullopt;
        }
        return percent;
    } catch (const EMixerError&) {
        return std::nullopt;
    }
}

bool MixerMasterVolume::SetLevel(double percent) {
    if (!std::isfinite(percent)) {
        return false;
    }
    try {
        mixer_->SetSpeakersVolume(
            static_cast<int>(std::nearbyint(std::clamp(percent, 0.0, 100.0))));
        return true;
    } catch (const EMixerError&) {
        return false;
    }
}

std::optional<bool> MixerMasterVolume::GetMute() {
    try {
        return mixer_->GetSpeakersMute();
    } catch (const EMixerError&) {
        return std::nullopt;
    }
}

bool MixerMasterVolume::SetMute(bool muted) {
    try {
        mixer_->SetSpeakersMute(muted);
        return true;
    } catch (const EMixerError&) {
        return false;
    }
}

}  // namespace velmora
