#pragma once

#include <string>

#include "dialog/DialogActionServices.h"

namespace velmora {

class TVelmoraSetteiForm;

// The group "録音した声": recording the user's voice into MyAlarm.wav in the
// data folder (a minute at most, the main tick counting the seconds) and
// listening to it on the music player. Recording and listening never run
// together: each disables the other's button.
class VoiceRecording {
public:
    VoiceRecording(TVelmoraSetteiForm& dialog, const DialogActionServices& services);

    // "録音" starts a recording (the old file goes first), "停止" saves it.
    void BtnRecordClick();
    // "聞いてみる" plays the file, "停止" stops it.
    void BtnWavePlayClick();
    // The player stopped by itself or failed.
    void PlaybackEnded();
    bool Listening() const;

private:
    void StartRecording();
    void StopRecording();
    // The buttons follow the play mode: recording only when the recorded
    // voice is the mode.
    bool RecordedVoiceMode() const;

    TVelmoraSetteiForm& dialog_;
    const DialogActionServices& s_;
    std::string path_;
};

}  // namespace velmora
