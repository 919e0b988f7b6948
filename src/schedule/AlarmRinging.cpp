#include "schedule/AlarmRinging.h"

#include <algorithm>

#include "schedule/AlarmTexts.h"
#include "schedule/ScopedFlag.h"
#include "settings/AlarmWords.h"
#include "speech/TimePhrase.h"

namespace velmora {
namespace {

// The step of the volume ramp, and how long each level holds at least.
constexpr int kRampStepPercent = 3;
constexpr long long kRampStepMs = 3000;
// The redraws of a before sound that equals the music's file. With the
// built-in sounds all different one redraw settles it; the bound only keeps
// a list of identical files from holding the tick for ever.
constexpr int kMaxSoundDraws = 64;

}  // namespace

AlarmRinging::AlarmRinging(ClockState& state, const ClockServices& services, AlarmArming& arming)
    : state_(state), s_(services), arming_(arming) {}

bool AlarmRinging::RampEnabled() const {
    return s_.Config.VolumeUp && s_.Config.FirstVolume < s_.Config.MaxVolume;
}

bool AlarmRinging::SomethingToRing() const {
    const Settings& c = s_.Config;
    return c.HowTo == 1 || (c.HowTo == 0 && (!c.AlarmWordText.empty() || c.AlarmJiho)) ||
           c.BeforeSoundNo > 0 || s_.Music.MusicPlaying();
}

bool AlarmRinging::PumpUnlessStopped(unsigned stopsBefore) {
    s_.Pump.ProcessEvents();
    return stops_ == stopsBefore;
}

bool AlarmRinging::SpeaksWords() {
    return s_.Config.HowTo == 0 || !s_.Speech.RecordedVoiceReadable();
}

void AlarmRinging::ChooseWord() {
    Settings& c = s_.Config;
    if (c.Word != kWordOwn || c.AlarmWords.empty()) {
        return;
    }
    const int count = static_cast<int>(c.AlarmWords.size());
    c.AlarmWordText = count == 1 ? c.AlarmWords.front()
                                 : c.AlarmWords[static_cast<size_t>(s_.Random.Below(count))];
}

std::string AlarmRinging::AlarmText(bool words) {
    const Settings& c = s_.Config;
    std::string phrase = words ? c.AlarmWordText : std::string();
    // Words that stand in for the recording must be heard, also when the
    // user chose none to speak.
    if (words && c.HowTo != 0 && phrase.empty() && !c.AlarmJiho) {
        phrase = PresetAlarmWord(kFirstPresetWord);
    }
    return c.AlarmJiho ? TimePhrase(s_.Wall.Now()) + c.Gobi + phrase : phrase;
}

int AlarmRinging::PickAlarmSound() {
    const int count = static_cast<int>(s_.Before.Lists().Alarm.size());
    if (count < 2) {
        return s_.Config.BeforeSoundNo;
    }
    const auto draw = [&] { return 1 + s_.Random.Below(count - 1); };
    int sound = s_.Config.BeforeSoundNoRandom ? draw() : s_.Config.BeforeSoundNo;
    // Only a file can clash with the music's: "なし" (an empty path) stays
    // no sound, also with no music loaded (an empty address).
    const std::string music = s_.MusicPlayer.Url();
    for (int draws = 0;
         draws < kMaxSoundDraws && !music.empty() && s_.Before.Lists().Name(false, sound) == music;
         ++draws) {
        sound = draw();
    }
    return sound;
}

void AlarmRinging::SpeakIfAudible(int voice, const std::string& text, int sound) {
    const Settings& c = s_.Config;
    if (text.empty() && c.BeforeSoundNo <= 0 && c.HowTo != 1) {
        return;
    }
    const unsigned stops = stops_;
    s_.Speak(SpeakRequest{.Voice = voice,
                          .Text = text,
                          .FromJihoList = false,
                          .BeforeSound = sound,
                          .GapSeconds = 0,
                          .Loop = false,
                          .Speed = c.SpeakSpead,
                          .Attenuation = 0});
    // Speak goes on to the words once its before sound has ended, also when
    // the user's stop ended that sound: the stop must silence them too.
    if (stops_ != stops) {
        s_.Speech.StopSpeech(kSpeechChannel);
        s_.Speech.StopSpeech(kRecordedVoiceChannel);
    }
}

void AlarmRinging::StartAlarm() {
    BeginRinging();
    // Told once the words and the music are under way and nothing holds the
    // ticks back: the box waits for the user while the alarm rings on.
    if (state_.Ringing && s_.Config.HowTo == 1 && !s_.Speech.RecordedVoiceReadable()) {
        s_.Notice.ShowNotice(kUnreadableRecordingMessage);
    }
}

void AlarmRinging::BeginRinging() {
    const ScopedFlag pending(state_.SpeakPending, true);
    const unsigned stops = stops_;
    state_.DisplayWakeDone = false;
    state_.Ringing = true;
    // A pause left over from an earlier ringing would hold these words back.
    state_.SnoozeWaiting = false;
    state_.SnoozeStart = 0;
    state_.MainTimerEnabled = false;
    state_.RampStart = 0;
    s_.Events.AlarmStarted();

    s_.Awake.Inhibit();
    if (!PumpUnlessStopped(stops)) {
        return;
    }
    if (s_.Dialog.Visible()) {
        s_.Dialog.Close();
    }
    s_.Menu.SetRingingLock(true);
    s_.Window.SetHint(RingingHint(s_.Config.OnVoiceStopPlayStop, s_.Menu.SnoozeChecked()));
    s_.Window.EnlargeForRinging();
    if (!PumpUnlessStopped(stops)) {
        return;
    }

    s_.Volume.UnmuteMaster();
    s_.SetMasterVolume(s_.Config.FirstVolume);
    if (RampEnabled()) {
        state_.RampStart = s_.Wall.Now();
        state_.RampVolume = s_.Config.FirstVolume;
    }
    if (!PumpUnlessStopped(stops)) {
        return;
    }

    const int voice = s_.ChooseVoice();
    const bool words = SpeaksWords();
    if (words) {
        ChooseWord();
    }
    const std::string text = AlarmText(words);
    const int sound = PickAlarmSound();
    state_.MainTimerEnabled = true;
    SpeakIfAudible(voice, text, sound);
    // Music after a stop would play on with nothing left to stop it.
    if (!PumpUnlessStopped(stops)) {
        return;
    }
    s_.Music.StartAlarmMusic();
}

void AlarmRinging::SpeakAlarmOnce(bool repetition) {
    const ScopedFlag pending(state_.SpeakPending, true);
    const unsigned stops = stops_;
    if (!PumpUnlessStopped(stops)) {
        return;
    }
    const int voice = s_.ChooseVoice();
    const bool words = SpeaksWords();
    if (words) {
        ChooseWord();
    }
    const std::string text = AlarmText(words);
    const int sound = PickAlarmSound();
    if (repetition && !PumpUnlessStopped(stops)) {
        return;
    }
    SpeakIfAudible(voice, text, sound);
}

void AlarmRinging::RepeatIfIdle(DateTime now) {
    if (!state_.Ringing || state_.SnoozeWaiting || state_.AlarmUtteranceBusy ||
        state_.SpeakPending || s_.Speech.Speaking() || !SomethingToRing() || !s_.SpeechIdle() ||
        s_.Before.BeforeSoundPlaying()) {
        return;
    }
    if (RampEnabled() && state_.RampStart > 0 &&
        MomentMs(now) > MomentMs(state_.RampStart) + kRampStepMs) {
        state_.RampVolume = std::min(state_.RampVolume + kRampStepPercent, s_.Config.MaxVolume);
        s_.SetMasterVolume(state_.RampVolume);
        state_.RampStart = now;
    }
    SpeakAlarmOnce(true);
}

void AlarmRinging::ResumeAfterSnoozeIfDue(DateTime now) {
    if (!state_.Ringing || !state_.SnoozeWaiting || state_.SnoozeStart <= 0) {
        return;
    }
    const long long due = MomentMs(state_.SnoozeStart) + s_.Config.SnoozeInterval * 60'000LL;
    if (MomentMs(now) > due + kMissedAlarmGraceMs) {
        // The computer slept through the pause: the snooze ends, as an
        // alarm missed the same way does, rather than ringing hours late.
        EndRinging();
        s_.Notice.ShowNotice(
            MissedAlarmMessage(static_cast<double>(due) / kMsPerDay, state_.ClockSetForward));
        return;
    }
    if (state_.AlarmUtteranceBusy || state_.SpeakPending || s_.Speech.Speaking() ||
        !s_.SpeechIdle() || MomentMs(now) < due) {
        return;
    }
    state_.SnoozeWaiting = false;
    s_.Window.SetTopMost(true);
    if (RampEnabled()) {
        s_.SetMasterVolume(state_.RampVolume);
        state_.RampStart = now;
    } else {
        s_.SetMasterVolume(s_.Config.FirstVolume);
    }
    s_.Events.SnoozeResumed();
    SpeakAlarmOnce(false);
}

void AlarmRinging::StopAlarm() {
    // The question box lets events in; a second stop meanwhile is the same stop.
    if (stopping_) {
        return;
    }
    stopping_ = true;
    ++stops_;
    s_.Events.AlarmStopped();
    SilenceUtterance();
    state_.MainTimerEnabled = false;
    state_.AlarmUtteranceBusy = false;
    if (s_.Config.OnVoiceStopPlayStop) {
        s_.Music.MenuMusicStop();
    }
    if (s_.Menu.SnoozeChecked()) {
        s_.Window.SetTopMost(false);
        s_.Dialog.SetMessageShowing(true);
        const bool endSnooze = s_.Questions.AskYesNo(kSnoozeQuestion);
        // "スヌーズ(&N)" unchecked in the tray while the question was up has
        // ended the ringing already: the answer has nothing left to act on.
        if (!state_.Ringing) {
        } else if (endSnooze) {
            EndRinging();
        } else {
            state_.SnoozeWaiting = true;
            state_.SnoozeStart = s_.Wall.Now();
            state_.RampStart = 0;
            s_.Events.SnoozeWaitStarted();
        }
        state_.EscLatch = false;
        if (s_.Window.Visible() && s_.Menu.AllwaysFrontChecked()) {
            s_.Window.SetTopMost(true);
        }
        s_.Dialog.SetMessageShowing(false);
    } else {
        EndRinging();
        state_.EscLatch = false;
    }
    state_.MainTimerEnabled = true;
    stopping_ = false;
}

void AlarmRinging::EndRinging() {
    LeaveRinging();
    s_.Window.SetHint(state_.HelpHint);
    if (!s_.Menu.AllwaysFrontChecked()) {
        s_.Window.SetTopMost(false);
    }
    s_.Awake.Release();
    s_.Events.RingingEnded();
    if (s_.AlarmArmed()) {
        arming_.ArmWakeUp();
    }
}

void AlarmRinging::StopFromSnoozeMenu() {
    ++stops_;
    SilenceUtterance();
    state_.AlarmUtteranceBusy = false;
    LeaveRinging();
    s_.Awake.Release();
    s_.Events.RingingEnded();
}

void AlarmRinging::SilenceUtterance() {
    s_.Before.StopBeforeSound();
    s_.Speech.StopSpeech(kSpeechChannel);
    s_.Speech.StopSpeech(kRecordedVoiceChannel);
}

void AlarmRinging::LeaveRinging() {
    state_.Ringing = false;
    state_.RampStart = 0;
    // A snooze pause is over with the ringing, and must not turn the next
    // alarm's first repetition into a snooze repeat.
    state_.SnoozeWaiting = false;
    state_.SnoozeStart = 0;
    s_.Menu.SetRingingLock(false);
    s_.Window.RestoreNormalSize();
    if (!s_.Menu.ShowClockChecked()) {
        s_.Window.Hide();
    }
}

}  // namespace velmora
