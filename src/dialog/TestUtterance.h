#pragma once

#include <string>

#include "base/DateTime.h"
#include "base/RandomSource.h"
#include "dialog/DialogValues.h"
#include "dialog/SettingsDialogTypes.h"
#include "settings/PhoneticConverter.h"
#include "speech/SpeechPlayer.h"

namespace velmora {

// What the settings dialog's TEST buttons say, worked out from the
// controls as they stand: the alarm as it would ring and the time signal as
// it would sound, so the user hears the level a setting will have.

// The memo of the user's own words holds no text.
bool MemoEmpty(const DialogValues& form);

// The voice of the "しゃべる声" group; "ランダム" draws one of the six.
int TestVoice(int voiceNo, RandomSource& random);

// The position of the track bar a TEST button belongs to.
int TestVolume(const DialogValues& form, VolumeTrack track);

// The wake-up words the alarm would speak in speaking mode (without the
// time): nothing, a built-in phrase, or the user's own words. Own words
// that have not passed TEST (or an empty memo) give the first built-in
// phrase instead; otherwise the first tested phrase, or failing that the
// memo's first line.
std::string TestAlarmWords(const DialogValues& form, PhoneticConverter& converter);

// The utterance of a volume test at `now`: the time signal for its track
// bars (the coming second's time when the tone leads, which takes about
// three seconds), the alarm for the alarm's. `voice` is already drawn.
// In recorded-voice mode the text is only the time, when the alarm tells
// it, and the recording is to follow.
struct VolumeTestUtterance {
    SpeakRequest Request;
    bool PlayRecording = false;
};
VolumeTestUtterance VolumeTestRequest(const DialogValues& form, VolumeTrack track, DateTime now,
                                      int voice, PhoneticConverter& converter);

// The speed test: the first built-in phrase, no sound before it.
SpeakRequest SpeedTestRequest(const DialogValues& form, int voice);

// A test must not talk over speech that is still going: an utterance on
// channel 0, the recorded voice on channel 1, or a Speak still waiting for
// its before sound.
bool SpeechBusy(SpeechPlayer& speech);

}  // namespace velmora
