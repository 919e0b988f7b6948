#include "schedule/AlarmArming.h"

#include "schedule/AlarmTexts.h"
#include "schedule/ScopedFlag.h"

namespace velmora {

AlarmArming::AlarmArming(ClockState& state, const ClockServices& services)
    : state_(state), s_(services), schedule_(services.Config, services.Holidays) {}

DateTime AlarmArming::NextAlarmMoment() const {
    return velmora::NextAlarmMoment(state_.WakeTime, s_.Config.ResumeWaiteTime);
}

bool AlarmArming::AlarmDue(DateTime now) const {
    if (schedule_.IsDue(now, state_.WakeTime)) {
        return true;
    }
    const long long moment = MomentMs(NextAlarmMoment());
    if (state_.WakeTime > 0 && MomentMs(now) >= moment &&
        MomentMs(now) <= moment + kMissedAlarmGraceMs) {
        return true;
    }
    // Held back within its window, the alarm stays due until it can start.
    return state_.AlarmHeldAt > 0 && MomentMs(now) >= moment &&
           MomentMs(now) <= MomentMs(state_.AlarmHeldAt) + kAlarmWindowMs;
}

void AlarmArming::NoteHeld(DateTime now) {
    if (!state_.Ringing && s_.AlarmArmed() && AlarmDue(now)) {
        state_.AlarmHeldAt = now;
    }
}

void AlarmArming::ArmWakeUp() {
    const ScopedFlag timerOff(state_.MainTimerEnabled, false);
    const auto wake = NextWakeMoment(s_.Wall.Now());
    if (!wake) {
        SetAlarmOff();
        return;
    }
    // The display is woken once per wake moment; a new moment gets its own,
    // and the keep-awake taken for the old one must not last until the new
    // one has rung.
    if (MomentMs(*wake) != MomentMs(state_.WakeTime)) {
        if (state_.DisplayWakeDone && !state_.Ringing) {
            s_.Awake.Release();
        }
        state_.DisplayWakeDone = false;
    }
    state_.WakeTime = *wake;
    state_.AlarmHeldAt = 0;
    s_.Pump.ProcessEvents();
    // Without the wake-up the alarm still rings while the computer is awake;
    // switching it off would lose that too.
    if (!s_.Wake.Arm(state_.WakeTime)) {
        s_.Notice.ShowNotice(kWakeUpFailedMessage);
    }
    ShowNextAlarmInTray();
    s_.Events.WakeUpArmed(state_.WakeTime, NextAlarmMoment());
}

std::optional<DateTime> AlarmArming::NextWakeMoment(DateTime now) const {
    const auto wake = schedule_.ComputeNextAlarm(now);
    if (!wake || state_.LastAlarmMoment <= 0) {
        return wake;
    }
    const DateTime moment = velmora::NextAlarmMoment(*wake, s_.Config.ResumeWaiteTime);
    const long long sinceRung =
        static_cast<std::uint32_t>(s_.Ticks.Milliseconds() - state_.LastAlarmCount);
    if (MomentMs(moment) > MomentMs(state_.LastAlarmMoment) ||
        sinceRung + (MomentMs(moment) - MomentMs(now)) >= kRingAgainAfterMs) {
        return wake;
    }
    return schedule_.ComputeNextAlarm(state_.LastAlarmMoment);
}

void AlarmArming::NoteRinging() {
    state_.LastAlarmMoment = NextAlarmMoment();
    state_.LastAlarmCount = s_.Ticks.Milliseconds();
}

void AlarmArming::ShowNextAlarmInTray() {
    const bool snooze = s_.Menu.SnoozeChecked();
    if (!snooze && !s_.Menu.AlarmChecked()) {
        return;
    }
    const DateTime moment = NextAlarmMoment();
    s_.Window.SetAlarmLabel(snooze ? kSnoozeLabel : kAlarmOnLabel);
    s_.Menu.SetTrayTip(ArmedTip(snooze, moment), snooze ? TrayIcon::Snooze : TrayIcon::Alarm);
    s_.Window.SetHint(ArmedHint(moment, state_.HelpHint));
}

void AlarmArming::SetAlarmOff() {
    state_.WakeTime = 0;
    state_.AlarmHeldAt = 0;
    s_.Wake.Disarm();
    // A display woken for a moment that is gone must not stay awake.
    if (!state_.Ringing) {
        s_.Awake.Release();
    }
    s_.Menu.UncheckAlarmModes();
    s_.Window.SetAlarmLabel(kAlarmOffLabel);
    s_.Menu.SetTrayTip(AlarmOffTip(), TrayIcon::Application);
    s_.Window.SetHint(state_.HelpHint);
    s_.Events.AlarmSwitchedOff();
}

bool AlarmArming::RearmIfMissed(DateTime now) {
    if (state_.Ringing || state_.WakeTime <= 0 || !s_.AlarmArmed() ||
        MomentMs(now) <= MomentMs(NextAlarmMoment()) + kAlarmWindowMs || AlarmDue(now)) {
        return false;
    }
    const DateTime missed = NextAlarmMoment();
    // The keep-awake taken when the display was woken for the missed alarm
    // ends with it.
    s_.Awake.Release();
    ArmWakeUp();
    // Armed first: a tick nested in the box's wait finds nothing missed.
    s_.Notice.ShowNotice(MissedAlarmMessage(missed, state_.ClockSetForward));
    return true;
}

}  // namespace velmora
