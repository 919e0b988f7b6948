#include "app/NowTimeAnnouncement.h"

#include "settings/SettingsLoader.h"
#include "speech/TimePhrase.h"

namespace velmora {

bool SpeakCurrentTime(const CurrentTimeSpeech& parts) {
    const int channel = parts.Speech.SpeechChannelStatus(kSpeechChannel);
    // The tick's claim on speech counts too: an alarm or a signal being
    // prepared must not be overtaken by this one.
    if (channel == kChannelPlayingOnce || channel == kChannelPlayingLooped ||
        parts.Speech.Speaking() || parts.State.SpeakPending) {
        return false;
    }
    const Settings& c = parts.Config;
    parts.Volume.SetMasterVolume(c.JihoVolume);
    const int voice = c.VoiceNo == kRandomVoice ? parts.Random.Below(kVoiceCount) : c.VoiceNo;
    DateTime said = parts.Wall.Now();
    if (c.JihoBeforeSoundNo == kJihoToneSound) {
        said += 3.0 / kSecondsPerDay;
    }
    SpeakRequest request;
    request.Voice = voice;
    request.Text = TimePhrase(said) + c.Gobi;
    request.FromJihoList = true;
    request.BeforeSound = c.JihoBeforeSoundNo;
    request.Speed = c.SpeakSpead;
    parts.Speech.Speak(request);
    return true;
}

}  // namespace velmora
