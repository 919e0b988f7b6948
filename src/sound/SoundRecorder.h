#pragma once

#include <string>

namespace velmora {

// Records the default input into memory until it is told to stop, then
// writes what it heard as a RIFF wave file. The settings dialog's
// recorded voice goes through this, so tests can stand in for the device.
class SoundRecorder {
public:
    virtual ~SoundRecorder() = default;

    // Opens the default input and starts recording. False, with the reason
    // in Japanese in `error`, when the input cannot be opened; nothing is
    // recorded then.
    virtual bool StartRecording(std::string& error) = 0;
    // Stops and writes the recording to `path` (replacing a file there).
    // False when nothing could be written; a recording that never started
    // writes nothing.
    virtual bool StopAndSave(const std::string& path) = 0;
    virtual bool Recording() const = 0;
};

}  // namespace velmora
