#include "dialog/SpeechTests.h"

#include "base/RandomSource.h"
#include "dialog/AlarmWordPage.h"
#include "dialog/SettingsDialogHost.h"
#include "dialog/TVelmoraSetteiForm.h"
#include "dialog/TestUtterance.h"
#include "sound/MasterVolumeControl.h"
#include "speech/OwnAlarmWords.h"
#include "speech/SpeechPlayer.h"
#include "speech/SpeechSynthesizer.h"

namespace velmora {
namespace {

constexpr const char* kCannotSpeakMessage = "しゃべれません。";
// The words are tried at the voices' natural pace.
constexpr int kTrialSpeed = 120;

}  // namespace

SpeechTests::SpeechTests(TVelmoraSetteiForm& dialog, const DialogActionServices& services)
    : dialog_(dialog), s_(services) {}

void SpeechTests::VolumeTest(VolumeTrack track) {
    if (SpeechBusy(s_.Speech)) {
        return;
    }
    const DialogValues form = dialog_.ReadControls();
    s_.Volume.SetMasterVolume(TestVolume(form, track));
    const int voice = TestVoice(form.VoiceNo, s_.Random);
    const VolumeTestUtterance test =
        VolumeTestRequest(form, track, s_.Host.Now(), voice, s_.Converter);
    SettingsDialogState& state = dialog_.State();
    if (test.PlayRecording) {
        state.PlayRecordingRequested = true;
    }
    if (s_.Speech.Speak(test.Request) != kSpeakStarted) {
        // Nothing was said, so nothing is to follow it either: a request
        // left standing would play the recording after the next time signal.
        state.PlayRecordingRequested = false;
        dialog_.ShowNotice(kCannotSpeakMessage);
    }
}

void SpeechTests::BtnSpeakTestClick() {
    if (SpeechBusy(s_.Speech)) {
        return;
    }
    const DialogValues form = dialog_.ReadControls();
    s_.Speech.Speak(SpeedTestRequest(form, TestVoice(form.VoiceNo, s_.Random)));
}

void SpeechTests::BtnAlarmWordTestClick() {
    if (!dialog_.State().DialogLoaded || SpeechBusy(s_.Speech)) {
        return;
    }
    const DialogValues form = dialog_.ReadControls();
    if (MemoEmpty(form)) {
        return;
    }
    AlarmWordPage& page = *dialog_.WordPage();
    const int voice = TestVoice(form.VoiceNo, s_.Random);
    page.SetOwnWords(OwnAlarmWords::FromMemo(form.MemoLines, s_.Converter));
    const OwnAlarmWords& words = page.OwnWords();
    for (size_t i = 0; i < words.OwnWordsPhonetic.size(); ++i) {
        if (!s_.Synthesizer.SynthesizeSpeech(voice, words.OwnWordsPhonetic[i], kTrialSpeed)) {
            dialog_.ShowNotice("「" + words.OwnWords[i] + "」はしゃべれません。");
            return;
        }
    }
    const int count = words.OwnWordCount();
    const int chosen = count == 1 ? 0 : s_.Random.Below(count);
    SpeakRequest request;
    request.Voice = voice;
    request.Text = words.OwnWordsPhonetic[static_cast<size_t>(chosen)];
    request.BeforeSound = form.BeforeSoundNoRandom ? 1 + s_.Random.Below(form.AlarmSoundCount() - 1)
                                                   : form.BeforeSoundNo;
    request.Speed = form.SpeakSpead;
    if (s_.Speech.Speak(request) != kSpeakStarted) {
        dialog_.ShowNotice(kCannotSpeakMessage);
        return;
    }
    page.SetMemoUntested(false);
}

}  // namespace velmora
