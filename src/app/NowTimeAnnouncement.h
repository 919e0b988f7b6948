#pragma once

#include "base/RandomSource.h"
#include "base/WallClock.h"
#include "schedule/ClockState.h"
#include "settings/Settings.h"
#include "sound/MasterVolumeControl.h"
#include "speech/SpeechPlayer.h"

namespace velmora {

// What "現在時刻(&T)" works with.
struct CurrentTimeSpeech {
    const Settings& Config;
    const ClockState& State;
    SpeechPlayer& Speech;
    MasterVolumeControl& Volume;
    WallClock& Wall;
    RandomSource& Random;
};

// Says the time now as the time signal says it: its volume, voice, ending
// and sound before the words. With the time-signal tone before them the
// words are heard three seconds later, so they say that time. Nothing
// happens, and false is returned, while anything else speaks or is about to.
bool SpeakCurrentTime(const CurrentTimeSpeech& parts);

}  // namespace velmora
