#pragma once

#include "base/DateTime.h"
#include "speech/SpeechPlayer.h"

namespace velmora {

// What the clock does, as it does it: a journal for the simulator and for
// anyone who wants to follow the clock. Every notification is optional.
class ClockEvents {
public:
    virtual ~ClockEvents() = default;

    // An utterance is handed to Speak (the time signal's when it speaks from
    // the time-signal list, else the alarm's).
    virtual void SpeakRequested(const SpeakRequest& /*request*/) {}
    virtual void MasterVolumeSet(int /*percent*/) {}
    virtual void MasterVolumeRestored() {}
    virtual void AlarmStarted() {}
    // The snooze pause is over and the alarm speaks again.
    virtual void SnoozeResumed() {}
    // The user stopped the ringing (STOP or Esc).
    virtual void AlarmStopped() {}
    virtual void SnoozeWaitStarted() {}
    virtual void RingingEnded() {}
    virtual void WakeUpArmed(DateTime /*wakeTime*/, DateTime /*alarmMoment*/) {}
    virtual void AlarmSwitchedOff() {}
};

}  // namespace velmora
