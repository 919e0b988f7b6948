#pragma once

#include <string>
#include <vector>

#include "Synth.h"

namespace velmora::soundgen {

struct Recipe {
    std::string file;  // relative to the program folder
    Signal (*make)();
};

// Every built-in sound, in the order of the alarm's before-sound list, then
// the time-signal tone.
std::vector<Recipe> Recipes();

// The time-signal tone: 440 Hz pips of 100 ms at 0, 1 and 2 s and an 880 Hz
// tone from exactly 3 s (the mark) that fades out within about 1.5 s.
Signal JihoTone();

}  // namespace velmora::soundgen
