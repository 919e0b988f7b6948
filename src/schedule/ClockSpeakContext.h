#pragma once

#include "schedule/ClockState.h"
#include "schedule/DialogLink.h"
#include "settings/Settings.h"
#include "speech/SpeakContext.h"

namespace velmora {

// What Speak reads and sets of the clock: the alarm's flags in ClockState,
// the way of waking in the settings, the dialog's request to play the
// recorded voice.
class ClockSpeakContext final : public SpeakContext {
public:
    ClockSpeakContext(ClockState& state, const Settings& config, DialogLink& dialog)
        : state_(state), config_(config), dialog_(dialog) {}

    bool Ringing() const override { return state_.Ringing; }
    bool AlarmUtteranceBusy() const override { return state_.AlarmUtteranceBusy; }
    void SetAlarmUtteranceBusy(bool busy) override { state_.AlarmUtteranceBusy = busy; }
    int HowTo() const override { return config_.HowTo; }
    bool PlayRecordingRequested() const override { return dialog_.PlayRecordingRequested(); }
    void ClearPlayRecordingRequested() override { dialog_.ClearPlayRecordingRequested(); }

private:
    ClockState& state_;
    const Settings& config_;
    DialogLink& dialog_;
};

}  // namespace velmora
