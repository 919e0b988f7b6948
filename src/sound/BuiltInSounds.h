#pragma once

#include <array>

namespace velmora {

// The sounds shipped beside the program, relative to its folder, in the
// order of the before-sound lists (index 1 upwards). The time-signal list
// shares the first four and has the time-signal tone at index 5.
inline constexpr std::array<const char*, 13> kBuiltInAlarmSoundFiles = {
    "Data/ピロロン.wav",  "Data/ボワーン.wav",  "Data/ボーン.wav",    "Data/ピコ.wav",
    "Data/アラーム1.wav", "Data/アラーム2.wav", "Data/アラーム3.wav", "Data/アラーム4.wav",
    "Data/アラーム5.wav", "Data/アラーム6.wav", "Data/アラーム7.wav", "Data/アラーム8.wav",
    "Data/アラーム9.wav"};
inline constexpr int kSharedBuiltInSounds = 4;
inline constexpr const char* kJihoToneSoundFile = "Data/Jiho.wav";

}  // namespace velmora
