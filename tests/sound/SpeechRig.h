#pragma once

#include <string>

#include "base/SystemMillisecondClock.h"
#include "fakes/FakeNotices.h"
#include "fakes/FakeSpeakContext.h"
#include "fakes/FakeSpeechSynthesizer.h"
#include "settings/IniFile.h"
#include "sound/BeforeSoundLists.h"
#include "sound/BeforeSoundPlayer.h"
#include "sound/pulse/PulseSoundDevice.h"
#include "sound/sndfile/SndfileWaveReader.h"
#include "speech/SpeechPlayer.h"
#include "support/RealSound.h"
#include "support/TempDir.h"
#include "support/TestEnvironment.h"

namespace velmora::test {

// Speak on the real sound device, with the built-in before sounds of the
// program folder on `BeforePlayer` and a synthesizer that "says" whatever
// samples a test gives it (a sine, so the sink's monitor can tell what it
// heard). The recorded voice is read from `dir`.
template <typename BeforePlayer>
class SpeechRig : public RealSound {
protected:
    TempDir dir;
    IniFile ini{dir.File("Settei.ini")};
    BeforeSoundLists lists = BuildBeforeSoundLists(ProgramDir() + "/", ini, 14, 6);
    SystemMillisecondClock clock;
    FakeNotices notices;
    BeforePlayer beforePlayer;
    BeforeSoundPlayer before{beforePlayer, lists, clock, notices};
    PulseSoundDevice device;
    FakeSpeechSynthesizer synth;
    SndfileWaveReader reader;
    FakeSpeakContext context;
    SpeechPlayer speech{{.Device = device,
                         .Synthesizer = synth,
                         .Before = before,
                         .Pump = pump,
                         .Reader = reader,
                         .Notice = notices,
                         .Context = context,
                         .DataFolder = dir.Path()}};
};

}  // namespace velmora::test
