#include "dialog/TestUtterance.h"

#include "settings/AlarmWords.h"
#include "sound/SoundDevice.h"
#include "speech/TimePhrase.h"

namespace velmora {
namespace {

// The time-signal tone takes its three seconds before the words.
constexpr int kJihoToneSeconds = 3;

bool IsJihoTrack(VolumeTrack track) {
    return track != VolumeTrack::FirstVolume && track != VolumeTrack::MaxVolume;
}

std::string FirstMemoLine(const DialogValues& form) {
    std::string line = form.MemoLines.empty() ? std::string() : form.MemoLines.front();
    if (!line.empty() && line.front() == '*') {
        line.erase(0, 1);
    }
    return line;
}

std::string SpokenTime(const DialogValues& form, DateTime t) {
    return TimePhrase(t) + JihoEnding(form.GobiNo);
}

}  // namespace

bool MemoEmpty(const DialogValues& form) {
    for (const std::string& line : form.MemoLines) {
        if (!line.empty()) {
            return false;
        }
    }
    return true;
}

int TestVoice(int voiceNo, RandomSource& random) {
    if (voiceNo >= 0 && voiceNo < kVoiceCount) {
        return voiceNo;
    }
    return random.Below(kVoiceCount);
}

int TestVolume(const DialogValues& form, VolumeTrack track) {
    switch (track) {
        case VolumeTrack::FirstVolume:
            return form.FirstVolume;
        case VolumeTrack::MaxVolume:
            return form.MaxVolume;
        case VolumeTrack::MainJiho:
            return form.JihoVolume;
        case VolumeTrack::Range0:
            return form.Ranges[0].Volume;
        case VolumeTrack::Range1:
            return form.Ranges[1].Volume;
        case VolumeTrack::Range2:
            return form.Ranges[2].Volume;
    }
    return form.FirstVolume;
}

std::string TestAlarmWords(const DialogValues& form, PhoneticConverter& converter) {
    if (form.Word == kWordNone) {
        return {};
    }
    if (form.Word != kWordOwn) {
        return PresetAlarmWord(form.Word);
    }
    if (MemoEmpty(form) || form.MemoUntested) {
        return PresetAlarmWord(kFirstPresetWord);
    }
    const std::vector<std::string>& tested = form.OwnWords.OwnWordsPhonetic;
    if (!tested.empty() && !tested.front().empty()) {
        return tested.front();
    }
    return PhoneticAlarmWord(FirstMemoLine(form), converter);
}

VolumeTestUtterance VolumeTestRequest(const DialogValues& form, VolumeTrack track, DateTime now,
                                      int voice, PhoneticConverter& converter) {
    VolumeTestUtterance test;
    SpeakRequest& r = test.Request;
    r.Voice = voice;
    r.Speed = form.SpeakSpead;
    if (IsJihoTrack(track)) {
        r.FromJihoList = true;
        r.BeforeSound = form.JihoBeforeSoundNo;
        const DateTime t = form.JihoBeforeSoundNo == kJihoToneSound
                               ? now + static_cast<double>(kJihoToneSeconds) / 86400.0
                               : now;
        r.Text = SpokenTime(form, t);
        return test;
    }
    r.BeforeSound = form.BeforeSoundNo;
    if (form.HowTo == 1) {
        r.Text = form.AlarmJiho ? SpokenTime(form, now) : std::string();
        test.PlayRecording = true;
        return test;
    }
    r.Text = TestAlarmWords(form, converter);
    if (form.AlarmJiho) {
        r.Text = SpokenTime(form, now) + r.Text;
    }
    return test;
}

SpeakRequest SpeedTestRequest(const DialogValues& form, int voice) {
    SpeakRequest r;
    r.Voice = voice;
    r.Text = PresetAlarmWord(kFirstPresetWord);
    r.Speed = form.SpeakSpead;
    return r;
}

bool SpeechBusy(SpeechPlayer& speech) {
    const int speaking = speech.SpeechChannelStatus(kSpeechChannel);
    return speech.Speaking() || speaking == kChannelPlayingOnce ||
           speaking == kChannelPlayingLooped ||
           speech.SpeechChannelStatus(kRecordedVoiceChannel) == kChannelPlayingOnce;
}

}  // namespace velmora
