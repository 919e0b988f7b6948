#pragma once

namespace velmora {

// What Speak reads and sets outside itself: the alarm's state on the clock
// window, the chosen way of waking (HowTo) and the settings dialog's request
// to play the recorded voice after its test phrase.
class SpeakContext {
public:
    virtual ~SpeakContext() = default;
    virtual bool Ringing() const = 0;
    // Set while an utterance of a ringing alarm is produced; the user's stop
    // clears it while Speak still runs.
    virtual bool AlarmUtteranceBusy() const = 0;
    virtual void SetAlarmUtteranceBusy(bool busy) = 0;
    // 0: the alarm speaks its words; 1: it plays the recorded voice.
    virtual int HowTo() const = 0;
    virtual bool PlayRecordingRequested() const = 0;
    virtual void ClearPlayRecordingRequested() = 0;
};

}  // namespace velmora
