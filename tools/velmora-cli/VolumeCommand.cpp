#include <charconv>
#include <cmath>

#include "CliCommands.h"
#include "sound/MasterVolumePath.h"

namespace velmora::cli {

namespace {

constexpr const char* kVolumeUsage = "usage: velmora-cli volume get | volume set PERCENT (0..100)";

bool ParsePercent(const std::string& text, int& percent) {
    const char* end = text.data() + text.size();
    const auto [next, error] = std::from_chars(text.data(), end, percent);
    return error == std::errc() && next == end && percent >= 0 && percent <= 100;
}

}  // namespace

// Prints the master level in whole percent and the mute state as two lines,
// "Volume=NN" and "Mute=0" or "Mute=1"; `set` prints them as read back.
int RunVolume(Args args, Io io) {
    int percent = 0;
    const bool get = args.size() == 1 && args[0] == "get";
    const bool set = args.size() == 2 && args[0] == "set";
    if (!get && !(set && ParsePercent(args[1], percent))) {
        return Fail(io, kVolumeUsage, kUsage);
    }
    const MasterVolumePath path = ChooseMasterVolume();
    MasterVolume& volume = *path.volume;
    if (!volume.Find()) {
        return Fail(io,
                    "no master volume: no PulseAudio server answers and no ALSA mixer has a "
                    "speakers line");
    }
    if (set && !volume.SetLevel(percent)) {
        return Fail(io, "the master volume could not be set");
    }
    const auto level = volume.GetLevel();
    const auto muted = volume.HasMute() ? volume.GetMute() : std::optional<bool>(false);
    if (!level || !muted) {
        return Fail(io, "the master volume could not be read");
    }
    io.out << "Volume=" << static_cast<int>(std::nearbyint(*level)) << "\nMute=" << (*muted ? 1 : 0)
           << '\n';
    return kOk;
}

}  // namespace velmora::cli
