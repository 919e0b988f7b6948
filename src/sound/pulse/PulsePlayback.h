#pragma once

#include <atomic>
#include <memory>
#include <thread>

#include "sound/WaveData.h"

namespace velmora {

// How a start went.
enum class PlaybackStart {
    Started,   // the stream is on the server (or still being set up)
    NoServer,  // no sound server answered: nothing can be heard now
    Failed,    // the server refused the stream (its format, say)
};

// One wave played once or round and round on the default output of the
// PulseAudio server (also PipeWire's PulseAudio service), in a thread of its
// own with a connection of its own made for this start. A server that went
// away and came back is therefore simply found again by the next start, and
// one that never answers cannot hold up the caller's thread. The gain is
// applied to the samples as they are sent.
class PulsePlayback final {
public:
    PulsePlayback() = default;
    ~PulsePlayback();
    PulsePlayback(const PulsePlayback&) = delete;
    PulsePlayback& operator=(const PulsePlayback&) = delete;

    // Stops what plays, then starts `wave`. Waits a moment for the server's
    // answer; a server that is slower than that is treated as Started and
    // the playback ends by itself if the answer turns out a refusal.
    PlaybackStart Start(std::shared_ptr<const WaveData> wave, bool looped, double gain);
    // Silences the stream at once (what the server still holds is dropped).
    void Stop();
    void SetGain(double gain);
    // True until a once-played wave has been heard to its end, the stream
    // failed (the server went away) or Stop was called.
    bool Playing() const;

    struct Shared;

private:
    std::shared_ptr<Shared> shared_;
    std::thread worker_;
};

}  // namespace velmora
