#include "schedule/ClockServices.h"

#include "settings/SettingsLoader.h"

namespace velmora {

bool ClockServices::SpeechIdle() const {
    return Speech.SpeechChannelStatus(kSpeechChannel) != kChannelPlayingOnce &&
           Speech.SpeechChannelStatus(kRecordedVoiceChannel) != kChannelPlayingOnce;
}

int ClockServices::ChooseVoice() const {
    return Config.VoiceNo == kRandomVoice ? Random.Below(kVoiceCount) : Config.VoiceNo;
}

void ClockServices::SetMasterVolume(int percent) const {
    Volume.SetMasterVolume(percent);
    Events.MasterVolumeSet(percent);
}

int ClockServices::Speak(const SpeakRequest& request) const {
    Events.SpeakRequested(request);
    return Speech.Speak(request);
}

}  // namespace velmora
