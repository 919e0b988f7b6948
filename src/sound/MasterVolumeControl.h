#pragma once

#include <memory>

#include "sound/MasterVolume.h"
#include "sound/SoundActivity.h"

namespace velmora {

// What a restore did on this tick. The main tick skips the rest of its steps
// for one tick when a restore failed.
enum class RestoreResult { NotDue, Restored, Failed };

// Raises the master volume and unmutes for announcements and alarms, and
// hands the user's level and mute state back once the program's sound is
// over. The user's state is saved when the program first changes it and is
// restored once; every flag is cleared after a restore (also a failed one), so
// no later restore writes a stale value.
class MasterVolumeControl {
public:
    // useEndpointVolume picks the rules of the sound server's default output
    // (true) or of a hardware mixer's speakers line (false); they differ in
    // how a missing output or a failing call affects the flags.
    MasterVolumeControl(std::unique_ptr<MasterVolume> volume, bool useEndpointVolume,
                        const SoundActivity& activity);

    bool UseEndpointVolume() const { return useEndpointVolume_; }

    // Sets the master level to `percent` (0..100), saving the user's level
    // first unless a ramp is running or a raised level awaits its restore.
    void SetMasterVolume(int percent);
    // Unmutes the master output when it is muted, saving the user's state.
    void UnmuteMaster();
    // Evaluated on every tick: a sound server that restarted while the
    // program holds the level (an announcement, the alarm's rising volume)
    // comes back at its own default, so the program's level and unmute are
    // applied again at once. The user's level saved before stays what the
    // restore gives back.
    void KeepProgramLevel();
    // Evaluated on every tick.
    RestoreResult RestoreMasterVolume();
    RestoreResult RestoreMasterMute();

    bool VolumeSaved() const { return volumeSaved_; }
    bool VolumeChanged() const { return volumeChanged_; }
    bool MuteChanged() const { return muteChanged_; }
    double SavedVolume() const { return savedVolume_; }
    bool SavedMute() const { return savedMute_; }

private:
    bool SpeechQuiet() const;
    bool RestorePending() const { return volumeSaved_ && volumeChanged_; }
    void SetEndpointVolume(double percent);
    void SetMixerVolume(double percent);

    std::unique_ptr<MasterVolume> volume_;
    bool useEndpointVolume_;
    const SoundActivity& activity_;
    double savedVolume_ = 0.0;
    double programVolume_ = 0.0;  // the level last set by the program
    bool savedMute_ = false;
    bool volumeSaved_ = false;
    bool volumeChanged_ = false;
    bool muteChanged_ = false;
};

}  // namespace velmora
