#pragma once

#include "dialog/DialogActionServices.h"
#include "dialog/SettingsDialogTypes.h"

namespace velmora {

class TVelmoraSetteiForm;

// The dialog's tests that speak: the volume tests beside every volume
// track bar (also run when a voice or a built-in wake-up phrase is picked),
// the speed test, and TEST of the user's own wake-up words. None of them
// talks over speech that is still going.
class SpeechTests {
public:
    SpeechTests(TVelmoraSetteiForm& dialog, const DialogActionServices& services);

    // What the alarm or the time signal would say, at the track bar's level.
    void VolumeTest(VolumeTrack track);
    // The first built-in phrase at the chosen speed, at the volume as it is.
    void BtnSpeakTestClick();
    // Splits the memo into phrases, converts and tries every one with the
    // voice, then speaks one of them; only then are the words tested.
    void BtnAlarmWordTestClick();

private:
    TVelmoraSetteiForm& dialog_;
    const DialogActionServices& s_;
};

}  // namespace velmora
