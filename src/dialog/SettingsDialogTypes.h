#pragma once

#include <cstdint>

namespace velmora {

// The dialog's flags that its change handlers and the rest of the program
// read.
struct SettingsDialogState {
    // False while the controls are being filled from the file; every change
    // handler does nothing until it is true again.
    bool DialogLoaded = false;
    // Nothing on screen that has not been saved.
    bool Unchanged = true;
    // The music test is playing; the main tick raises its volume meanwhile.
    bool MusicTestPlaying = false;
    // The millisecond count when the voice recording started; 0 while none
    // runs. The main tick shows the progress from it and stops at a minute.
    std::uint32_t RecordStartTime = 0;
    // A volume test in recorded-voice mode asks Speak to play the recording
    // after its words; Speak clears it.
    bool PlayRecordingRequested = false;
};

// The volume track bars, each with its own TEST button.
enum class VolumeTrack { FirstVolume, MaxVolume, MainJiho, Range0, Range1, Range2 };

// The lists the user can add entries to.
enum class SoundList { AlarmSounds, JihoSounds, Music };

// What follows OK, as the power-action control chose it.
enum class PowerAction { None, Sleep, Standby, Hibernate };

// Which power-action control the dialog shows: one check box for sleep, or
// a radio group with standby and hibernation.
enum class PowerControlStyle { SleepCheckBox, StandbyRadioGroup };

}  // namespace velmora
