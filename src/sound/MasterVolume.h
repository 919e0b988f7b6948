#pragma once

#include <optional>

namespace velmora {

// One way of reaching the system's master output: the default output of the
// sound server (the endpoint path) or the speakers line of a hardware mixer
// (the mixer path). Levels are in percent of full scale; every operation may
// fail, since the server can go away or the device be unplugged at any time.
class MasterVolume {
public:
    virtual ~MasterVolume() = default;

    // Looks up the master output afresh (the default output may have changed
    // since the last call). False when there is none to reach now.
    virtual bool Find() = 0;
    // Whether the output found has a level and a mute switch at all; a
    // server's output always has both, a mixer line may lack either.
    virtual bool HasVolume() = 0;
    virtual bool HasMute() = 0;

    virtual std::optional<double> GetLevel() = 0;
    virtual bool SetLevel(double percent) = 0;
    virtual std::optional<bool> GetMute() = 0;
    virtual bool SetMute(bool muted) = 0;
    // True once after the output has been reached again on a new connection
    // to a sound server that had gone away (and forgotten what was set on
    // it). A mixer line has no server to lose.
    virtual bool Reconnected() { return false; }
};

}  // namespace velmora
