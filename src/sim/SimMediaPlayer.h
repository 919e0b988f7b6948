#pragma once

#include <functional>
#include <optional>
#include <string>

#include "sim/VirtualTime.h"
#include "sound/MediaPlayer.h"

namespace velmora {

// The length of a sound or music file in milliseconds; nullopt when it
// cannot be read.
using FileLengthMs = std::function<std::optional<long long>(const std::string& path)>;

// A media player in virtual time: a file plays for its real length and then
// reports its end ("media ended", then "stopped") through the event loop. A
// file whose length cannot be read plays until it is stopped.
class SimMediaPlayer final : public MediaPlayer {
public:
    using StartHandler = std::function<void(const std::string& path)>;

    SimMediaPlayer(VirtualTime& time, FileLengthMs lengths);

    bool SetUrl(const std::string& path) override;
    std::string Url() const override { return url_; }
    bool Play() override;
    void Stop() override;
    double Duration() const override;

    bool Playing() const { return playing_; }
    // Told each time a file set on the player starts playing.
    void SetStartHandler(StartHandler handler) { onStart_ = std::move(handler); }

private:
    void Finish(unsigned run);

    VirtualTime& time_;
    FileLengthMs lengths_;
    StartHandler onStart_;
    std::string url_;
    std::optional<long long> lengthMs_;
    bool playing_ = false;
    bool fresh_ = false;  // set since the last start
    unsigned run_ = 0;
};

}  // namespace velmora
