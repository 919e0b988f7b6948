#include "sound/MasterVolumeControl.h"

#include <utility>

namespace velmora {

MasterVolumeControl::MasterVolumeControl(std::unique_ptr<MasterVolume> volume,
                                         bool useEndpointVolume, const SoundActivity& activity)
    : volume_(std::move(volume)), useEndpointVolume_(useEndpointVolume), activity_(activity) {}

bool MasterVolumeControl::SpeechQuiet() const {
    const int first = activity_.SpeechChannelStatus(0);
    return !activity_.Speaking() && first != kChannelPlayingOnce &&
           first != kChannelPlayingLooped &&
           activity_.SpeechChannelStatus(1) != kChannelPlayingOnce;
}

void MasterVolumeControl::SetMasterVolume(int percent) {
    if (useEndpointVolume_) {
        SetEndpointVolume(percent);
    } else {
        SetMixerVolume(percent);
    }
}

// While a raised level waits for its restore, the output holds the program's
// own level, not the user's: saving it again would make the restore keep the
// raised level for good (two announcements close together, or the dialog's
// volume test moved while speech still plays). A running ramp likewise keeps
// the level saved by its first step.
void MasterVolumeControl::SetEndpointVolume(double percent) {
    if (!volume_->Find()) {
        return;
    }
    if (!activity_.RampRunning() && !RestorePending()) {
        const auto level = volume_->GetLevel();
        if (!level) {
            volumeSaved_ = false;
            return;
        }
        savedVolume_ = *level;
        volumeSaved_ = true;
    }
    if (volume_->SetLevel(percent)) {
        volumeChanged_ = true;
        programVolume_ = percent;
    }
}

void MasterVolumeControl::KeepProgramLevel() {
    if (!useEndpointVolume_ || !(RestorePending() || muteChanged_) || !volume_->Reconnected()) {
        return;
    }
    if (RestorePending()) {
        volume_->SetLevel(programVolume_);
    }
    if (muteChanged_) {
        volume_->SetMute(false);
    }
}

void MasterVolumeControl::SetMixerVolume(double percent) {
    if (!volume_->Find()) {
        volumeSaved_ = false;
        return;
    }
    if (!volume_->HasVolume()) {
        volumeSaved_ = false;
    } else if (!activity_.RampRunning() && !RestorePending()) {
        const auto level = volume_->GetLevel();
        volumeSaved_ = level.has_value();
        if (level) {
            savedVolume_ = *level;
        }
    }
    // Marked as changed whether or not the line could take it: without a
    // saved level the restore does not apply anyway.
    volume_->SetLevel(percent);
    volumeChanged_ = true;
}

// A mute state saved by an earlier unmute that is not yet restored is the
// user's; the output is unmuted by the program now and must not replace it.
void MasterVolumeControl::UnmuteMaster() {
    if (!volume_->Find() || (!useEndpointVolume_ && !volume_->HasMute())) {
        return;
    }
    if (!muteChanged_) {
        const auto saved = volume_->GetMute();
        if (!saved) {
            return;
        }
        savedMute_ = *saved;
    }
    const auto muted = volume_->GetMute();
    if (!muted || !*muted) {
        return;
    }
    // The mixer path counts the output as unmuted even when the switch
    // refused: its restore then writes the same state back, which is harmless.
    if (volume_->SetMute(false) || !useEndpointVolume_) {
        muteChanged_ = true;
    }
}

// The alarm's level holds for the whole ringing, its snooze pause included:
// music alone, or a sound without words, leaves the speech channels quiet,
// and the user's own level (perhaps nearly muted) would otherwise come back
// on the very next tick and stay for the rest of the ringing.
RestoreResult MasterVolumeControl::RestoreMasterVolume() {
    if (!volumeChanged_ || !volumeSaved_ || activity_.RampRunning() || activity_.Ringing() ||
        activity_.MusicTestPlaying() || !SpeechQuiet()) {
        return RestoreResult::NotDue;
    }
    const bool done = volume_->Find() && volume_->SetLevel(savedVolume_);
    volumeChanged_ = false;
    volumeSaved_ = false;
    return done ? RestoreResult::Restored : RestoreResult::Failed;
}

RestoreResult MasterVolumeControl::RestoreMasterMute() {
    if (!muteChanged_ || activity_.Ringing() || activity_.MusicPlaying() || !SpeechQuiet()) {
        return RestoreResult::NotDue;
    }
    const bool done = volume_->Find() && volume_->SetMute(savedMute_);
    muteChanged_ = false;
    return done ? RestoreResult::Restored : RestoreResult::Failed;
}

}  // namespace velmora
