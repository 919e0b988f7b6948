#pragma once

#include "speech/SpeakContext.h"

namespace velmora {

// Speaking outside the clock (tools, benchmarks): no alarm rings, the words
// are spoken rather than the recorded voice, and nobody asks for it.
class IdleSpeakContext final : public SpeakContext {
public:
    bool Ringing() const override { return false; }
    bool AlarmUtteranceBusy() const override { return false; }
    void SetAlarmUtteranceBusy(bool /*busy*/) override {}
    int HowTo() const override { return 0; }
    bool PlayRecordingRequested() const override { return false; }
    void ClearPlayRecordingRequested() override {}
};

}  // namespace velmora
