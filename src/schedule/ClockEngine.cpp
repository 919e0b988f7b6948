#include "schedule/ClockEngine.h"

#include <algorithm>

#include "schedule/TickPhase.h"

namespace velmora {
namespace {

constexpr long long kStartupDelayMs = 10'000;
constexpr int kTestRampStepPercent = 3;
constexpr long long kTestRampStepMs = 3000;
constexpr int kMaxRecordSeconds = 60;

}  // namespace

ClockEngine::ClockEngine(ClockState& state, const ClockServices& services)
    : state_(state),
      s_(services),
      arming_(state, services),
      ringing_(state, services, arming_),
      jiho_(state, services) {}

void ClockEngine::Start() {
    state_.CreatedAt = s_.Wall.Now();
    state_.StartupPending = true;
    state_.MainTimerEnabled = true;
}

void ClockEngine::StopButtonPressed() {
    if (state_.Ringing) {
        ringing_.StopAlarm();
    }
}

void ClockEngine::MainTimerTimer() {
    const DateTime now = s_.Wall.Now();
    NoteClockChange(watch_.Observe(now, s_.Ticks.Milliseconds()));
    if (!state_.MainTimerEnabled) {
        // Switched off while the clock works on something (an arming, a
        // drag, the wait after a screen change): an alarm due meanwhile
        // rings once the tick is back on.
        arming_.NoteHeld(now);
        return;
    }
    state_.Now = DecodeNowParts(now);
    LookAfresh(now);
    RunDeferredStartup(now);
    WakeDisplayBeforeAlarm(now);
    StartAlarmIfDue(now);
    ringing_.RepeatIfIdle(now);
    ringing_.ResumeAfterSnoozeIfDue(now);
    StopOnEscape();
    s_.Music.CheckRotation();
    RampMusicTest(now);
    Redraw(now);
    jiho_.Step(now);
    if (!state_.Ringing) {
        s_.Window.ApplyMouseHideRule();
    }
    if (!RestoreVolumeAndMute()) {
        return;
    }
    ShowRecordingProgress();
    s_.Before.CheckWatchdog();
}

std::optional<DateTime> ClockEngine::IdleUntil(DateTime now) const {
    const ClockState& st = state_;
    // The mouse-hide rule looks at the pointer on every tick; the rest is
    // work the tick carries on from one tick to the next.
    const bool busy = !st.MainTimerEnabled || st.StartupPending || lookAfresh_ || st.Ringing ||
                      st.SnoozeWaiting || st.AlarmUtteranceBusy || st.SpeakPending ||
                      st.AlarmHeldAt != 0 || st.RampStart > 0 || st.EscLatch ||
                      s_.Window.WatchesPointer() || s_.Speech.Speaking() || !s_.SpeechIdle() ||
                      s_.Before.BeforeSoundPlaying() || s_.Music.MusicPlaying() ||
                      s_.Volume.VolumeChanged() || s_.Volume.MuteChanged() ||
                      s_.Dialog.MusicTestPlaying() || s_.Dialog.RecordStartCount() != 0;
    if (busy) {
        return std::nullopt;
    }
    std::optional<DateTime> until = jiho_.NextActionMoment(now);
    const auto earliest = [&until](DateTime moment) {
        if (!until || moment < *until) {
            until = moment;
        }
    };
    if (s_.AlarmArmed() && st.WakeTime > 0) {
        if (!st.DisplayWakeDone) {
            earliest(st.WakeTime);
        }
        earliest(arming_.NextAlarmMoment());
    }
    // With nothing due at all, the sleep's own limit ends it.
    return until.value_or(now + 1.0);
}

long long ClockEngine::IdleSleepMs(DateTime now) const {
    const long long nowMs = MomentMs(now);
    const bool drawn = s_.Window.Visible();
    const auto handsMove = [this](long long tickMs) {
        return s_.Window.HandsMoveBy(static_cast<DateTime>(tickMs) / kMsPerDay);
    };
    // Shown, the clock is drawn on most ticks: the cheapest question first.
    if (drawn && handsMove(nowMs + MsToNextTick(nowMs, s_.AudibleLeadMs))) {
        return 0;
    }
    const auto until = IdleUntil(now);
    if (!until) {
        return 0;
    }
    const long long sleepMs = MsToIdleWake(nowMs, MomentMs(*until), s_.AudibleLeadMs);
    if (sleepMs == 0 || !drawn) {
        return sleepMs;
    }
    return MsToHandsMove(nowMs, sleepMs, s_.AudibleLeadMs, handsMove);
}

void ClockEngine::NoteClockChange(const ClockChange& change) {
    if (!change.Any()) {
        return;
    }
    if (change.StepMs != 0) {
        const DateTime shift = static_cast<double>(change.StepMs) / kMsPerDay;
        for (DateTime* moment :
             {&state_.CreatedAt, &state_.SnoozeStart, &state_.RampStart, &state_.LastJihoTime}) {
            if (*moment > 0) {
                *moment += shift;
            }
        }
    }
    state_.ClockSetForward = change.StepMs > 0 && !change.Resumed;
    state_.AlarmHeldAt = 0;
    // A pre-announcement made before the change belongs to a mark that may
    // not come; the next mark starts the cycle again.
    state_.PreAnnounced = false;
    // After a sleep the wake-up timer still holds the right moment.
    lookAfresh_ = lookAfresh_ || change.StepMs != 0;
}

void ClockEngine::LookAfresh(DateTime now) {
    if (!lookAfresh_) {
        return;
    }
    lookAfresh_ = false;
    if (s_.AlarmArmed() && !state_.Ringing && state_.WakeTime > 0 &&
        MomentMs(now) < MomentMs(arming_.NextAlarmMoment())) {
        arming_.ArmWakeUp();
    }
}

void ClockEngine::RunDeferredStartup(DateTime now) {
    if (!state_.StartupPending || MomentMs(now) < MomentMs(state_.CreatedAt) + kStartupDelayMs) {
        return;
    }
    state_.StartupPending = false;
    s_.Menu.EnableShowSettei();
    if (s_.Ini.Exists()) {
        s_.Window.ApplyStoredFont();
    }
    if (s_.AlarmArmed()) {
        s_.Pump.ProcessEvents();
        arming_.ArmWakeUp();
    }
    if (!s_.Menu.ShowClockChecked()) {
        s_.Window.Hide();
    }
}

void ClockEngine::WakeDisplayBeforeAlarm(DateTime now) {
    if (state_.DisplayWakeDone || !s_.AlarmArmed() || !(state_.WakeTime < now) ||
        !(now < arming_.NextAlarmMoment())) {
        return;
    }
    state_.DisplayWakeDone = true;
    // Awake until the ringing ends; the screen comes on as if the user had
    // touched it, without any input reaching the focused window.
    s_.Awake.Inhibit();
    s_.Awake.WakeDisplay();
}

void ClockEngine::StartAlarmIfDue(DateTime now) {
    if (!s_.AlarmArmed() || state_.Ringing) {
        return;
    }
    if (arming_.RearmIfMissed(now)) {
        return;
    }
    if (!arming_.AlarmDue(now)) {
        return;
    }
    // Other speech (a time signal, the current time, a test of the dialog)
    // covers the alarm's moment: the alarm starts the moment it ends, rather
    // than cutting a sentence off or losing the day's alarm.
    if (state_.AlarmUtteranceBusy || state_.SpeakPending || s_.Speech.Speaking() ||
        !s_.SpeechIdle()) {
        arming_.NoteHeld(now);
        return;
    }
    state_.AlarmHeldAt = 0;
    arming_.NoteRinging();
    ringing_.StartAlarm();
}

void ClockEngine::StopOnEscape() {
    if (!state_.Ringing || state_.EscLatch || !s_.Keys.EscapeDown()) {
        return;
    }
    state_.EscLatch = true;
    ringing_.StopAlarm();
}

void ClockEngine::RampMusicTest(DateTime now) {
    const DialogLink& d = s_.Dialog;
    if (!d.MusicTestPlaying() || !d.MusicTestVolumeUp() ||
        d.FirstVolumePosition() >= d.MaxVolumePosition() || state_.RampStart <= 0 ||
        MomentMs(now) < MomentMs(state_.RampStart) + kTestRampStepMs) {
        return;
    }
    state_.RampVolume = std::min(state_.RampVolume + kTestRampStepPercent, d.MaxVolumePosition());
    s_.SetMasterVolume(state_.RampVolume);
    state_.RampStart = now;
}

void ClockEngine::Redraw(DateTime now) {
    if (s_.Window.Visible() && !s_.Dialog.MessageShowing()) {
        s_.Window.DrawHands(now);
    }
}

bool ClockEngine::RestoreVolumeAndMute() {
    s_.Volume.KeepProgramLevel();
    switch (s_.Volume.RestoreMasterVolume()) {
        case RestoreResult::Failed:
            return false;
        case RestoreResult::Restored:
            s_.Events.MasterVolumeRestored();
            break;
        case RestoreResult::NotDue:
            break;
    }
    return s_.Volume.RestoreMasterMute() != RestoreResult::Failed;
}

void ClockEngine::ShowRecordingProgress() {
    const std::uint32_t start = s_.Dialog.RecordStartCount();
    if (start == 0) {
        return;
    }
    const auto seconds =
        static_cast<int>(MillisecondsBetween(s_.Ticks.Milliseconds(), start) / 1000);
    s_.Dialog.ShowRecordSeconds(seconds);
    if (seconds >= kMaxRecordSeconds) {
        s_.Dialog.StopRecording();
    }
}

}  // namespace velmora
