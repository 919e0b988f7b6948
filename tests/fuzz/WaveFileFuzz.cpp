// The wave loader (the recorded voice MyAlarm.wav and the before sounds)
// and the sound-length probe on any file.
#include <string>

#include "FuzzScratch.h"
#include "sound/sndfile/SndfileSoundLength.h"
#include "sound/sndfile/SndfileWaveReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    const std::string path = fuzz::ScratchFolder() + "MyAlarm.wav";
    fuzz::WriteFile(path, fuzz::AsText(data, size));

    if (const auto wave = SndfileWaveReader().ReadWaveFile(path)) {
        if (wave->Channels < 1 || wave->SampleRate < 1 || wave->Samples.empty() ||
            wave->Samples.size() % static_cast<size_t>(wave->Channels) != 0) {
            fuzz::Fault("a loaded wave is not whole frames of a real format");
        }
        if (wave->Milliseconds() < 0) {
            fuzz::Fault("a loaded wave has a negative length");
        }
    }
    if (const auto length = SoundFileLengthMs(path); length && *length < 0) {
        fuzz::Fault("a sound has a negative length");
    }
    return 0;
}
