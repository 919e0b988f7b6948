#pragma once

#include "dialog/DialogActionServices.h"

namespace velmora {

class TVelmoraSetteiForm;

// "聞いてみる" beside the wake-up music: plays the selected piece on the
// music player at the alarm's first volume; with "徐々に音量を上げる" the
// main tick then raises the volume toward the maximum as it would for the
// alarm. The button reads "STOP" while the test plays.
class MusicTest {
public:
    MusicTest(TVelmoraSetteiForm& dialog, const DialogActionServices& services);

    void BtnAlarmMusicTestClick();
    // The player stopped by itself or failed: the test is over.
    void PlaybackEnded();
    bool Playing() const;

private:
    void Reset();

    TVelmoraSetteiForm& dialog_;
    const DialogActionServices& s_;
};

}  // namespace velmora
