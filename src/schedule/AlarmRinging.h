#pragma once

#include "schedule/AlarmArming.h"
#include "schedule/ClockServices.h"
#include "schedule/ClockState.h"

namespace velmora {

// The ringing alarm: its start, the words repeated back to back while the
// volume rises, the stop with its snooze question, the snooze pause and its
// end, and the end of the ringing.
class AlarmRinging {
public:
    AlarmRinging(ClockState& state, const ClockServices& services, AlarmArming& arming);

    void StartAlarm();
    // The tick's repetition (with the ramp step) and the snooze repeat.
    void RepeatIfIdle(DateTime now);
    void ResumeAfterSnoozeIfDue(DateTime now);

    // One utterance of the alarm; `repetition` lets events in once more
    // just before speaking.
    void SpeakAlarmOnce(bool repetition);
    // The index of the before sound for the next utterance: never the file
    // the music player holds, where another one exists.
    int PickAlarmSound();

    // STOP or Esc while ringing.
    void StopAlarm();
    void EndRinging();
    // "スヌーズ(&N)" unchecked while the alarm rings or waits in a snooze pause.
    void StopFromSnoozeMenu();

    // Counts the user's stops, so work that waited across one can tell.
    unsigned StopCount() const { return stops_; }

private:
    // Something would sound if the words were repeated now.
    bool SomethingToRing() const;
    bool RampEnabled() const;
    // StartAlarm up to the first words and the music.
    void BeginRinging();
    // The words are spoken: the recorded voice is not chosen, or its file
    // cannot be read and the words stand in for it.
    bool SpeaksWords();
    // The user's own words: one of them for the next utterance.
    void ChooseWord();
    // The time (when told first) and, when spoken, the words.
    std::string AlarmText(bool words);
    void SpeakIfAudible(int voice, const std::string& text, int sound);
    // Lets events in; false when the user stopped the alarm meanwhile.
    bool PumpUnlessStopped(unsigned stopsBefore);
    // Stops the before sound and both speech channels.
    void SilenceUtterance();
    // What every way out of the ringing does: the ringing, its volume ramp
    // and any snooze pause are over, the tray items locked while it rang
    // come back, and the clock returns to its normal size, closed where the
    // menu hides it.
    void LeaveRinging();

    ClockState& state_;
    const ClockServices& s_;
    AlarmArming& arming_;
    unsigned stops_ = 0;
    bool stopping_ = false;
};

}  // namespace velmora
