#include "sim/SimMediaPlayer.h"

#include <utility>

namespace velmora {

SimMediaPlayer::SimMediaPlayer(VirtualTime& time, FileLengthMs lengths)
    : time_(time), lengths_(std::move(lengths)) {}

bool SimMediaPlayer::SetUrl(const std::string& path) {
    ++run_;
    playing_ = false;
    url_ = path;
    fresh_ = true;
    lengthMs_ = path.empty() ? std::nullopt : lengths_(path);
    return true;
}

bool SimMediaPlayer::Play() {
    if (url_.empty()) {
        return true;
    }
    const unsigned run = ++run_;
    playing_ = true;
    // A file that restarts (repeated music) is no new start.
    if (onStart_ && fresh_) {
        onStart_(url_);
    }
    fresh_ = false;
    if (lengthMs_ && *lengthMs_ >= 0) {
        time_.After(*lengthMs_, [this, run] { Finish(run); });
    }
    return true;
}

void SimMediaPlayer::Finish(unsigned run) {
    if (run != run_ || !playing_) {
        return;
    }
    playing_ = false;
    ReportPlayState(kPlayStateMediaEnded);
    ReportPlayState(kPlayStateStopped);
}

void SimMediaPlayer::Stop() {
    ++run_;
    if (!playing_) {
        return;
    }
    playing_ = false;
    // The report comes through the event loop, never from inside the call.
    const unsigned run = run_;
    time_.After(0, [this, run] {
        if (run == run_) {
            ReportPlayState(kPlayStateStopped);
        }
    });
}

double SimMediaPlayer::Duration() const {
    return lengthMs_ && *lengthMs_ > 0 ? static_cast<double>(*lengthMs_) / 1000.0 : 0.0;
}

}  // namespace velmora
