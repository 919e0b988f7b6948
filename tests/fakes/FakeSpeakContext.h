#pragma once

#include "speech/SpeakContext.h"

namespace velmora::test {

// The alarm's flags and the dialog's request as plain fields.
class FakeSpeakContext final : public SpeakContext {
public:
    bool Ringing() const override { return ringing; }
    bool AlarmUtteranceBusy() const override { return busy; }
    void SetAlarmUtteranceBusy(bool value) override {
        busy = value;
        ++busyChanges;
    }
    int HowTo() const override { return howTo; }
    bool PlayRecordingRequested() const override { return recordingRequested; }
    void ClearPlayRecordingRequested() override { recordingRequested = false; }

    bool ringing = false;
    bool busy = false;
    int busyChanges = 0;
    int howTo = 0;
    bool recordingRequested = false;
};

}  // namespace velmora::test
