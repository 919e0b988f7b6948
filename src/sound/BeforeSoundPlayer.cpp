#include "sound/BeforeSoundPlayer.h"

#include <filesystem>

#include "sound/SoundMessages.h"

namespace velmora {

BeforeSoundPlayer::BeforeSoundPlayer(MediaPlayer& player, const BeforeSoundLists& lists,
                                     MillisecondClock& clock, Notices& notices)
    : player_(player), lists_(lists), clock_(clock), notices_(notices) {
    player_.SetPlayStateHandler([this](int state) { PlayStateChanged(state); });
    player_.SetErrorHandler([this] { PlaybackFailed(); });
}

BeforeSoundPlayer::~BeforeSoundPlayer() {
    player_.SetPlayStateHandler(nullptr);
    player_.SetErrorHandler(nullptr);
}

void BeforeSoundPlayer::PlayBeforeSound(int index, bool fromJihoList) {
    if (index <= 0) {
        return;
    }
    const std::string& file = lists_.Name(fromJihoList, index);
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        notices_.ShowMessage(kSoundFileNotFoundMessage);
        return;
    }
    playing_ = true;
    startTime_ = clock_.Milliseconds();
    if (!player_.SetUrl(file) || !player_.Play()) {
        notices_.ShowMessage(kSoundPlayFailedMessage);
        playing_ = false;
    }
}

void BeforeSoundPlayer::CheckWatchdog() {
    if (playing_ && MillisecondsBetween(clock_.Milliseconds(), startTime_) > kLimitMilliseconds) {
        StopBeforeSound();
    }
}

void BeforeSoundPlayer::StopBeforeSound() {
    if (playing_) {
        player_.Stop();
        playing_ = false;
    }
}

void BeforeSoundPlayer::PlayStateChanged(int state) {
    if (playing_ && state == kPlayStateMediaEnded) {
        playing_ = false;
    }
}

// A file the player cannot decode fails only after it was handed over; it
// counts as a sound that could not be started, so the announcement need not
// wait for the watchdog.
void BeforeSoundPlayer::PlaybackFailed() {
    if (!playing_) {
        return;
    }
    player_.Stop();
    playing_ = false;
    notices_.ShowMessage(kSoundPlayFailedMessage);
}

}  // namespace velmora
