#pragma once

#include <QObject>

#include "dialog/DialogActionServices.h"
#include "dialog/DialogCommands.h"
#include "dialog/MusicTest.h"
#include "dialog/SoundListEditor.h"
#include "dialog/SpeechTests.h"
#include "dialog/VoiceRecording.h"

namespace velmora {

class TVelmoraSetteiForm;

// Connects the settings dialog's requests (tests, previews, list editing,
// recording, font, guide, power action) to the parts that carry them out.
// The program makes one after the dialog and the services exist, routes
// the music player's test events here, and lets it go before the dialog.
class DialogActions final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DialogActions)

public:
    DialogActions(TVelmoraSetteiForm& dialog, const DialogActionServices& services);

    // The music player stopped while no alarm music was on, or failed: a
    // music test or listening to the recording is over.
    void TestPlaybackEnded();

    SoundListEditor& Lists() { return lists_; }
    MusicTest& Music() { return music_; }
    VoiceRecording& Recording() { return recording_; }
    SpeechTests& Tests() { return tests_; }
    DialogCommands& Commands() { return commands_; }

private:
    // The dialog has closed: a music test or listening still running stops.
    void StopTests();

    DialogActionServices services_;
    SoundListEditor lists_;
    MusicTest music_;
    VoiceRecording recording_;
    SpeechTests tests_;
    DialogCommands commands_;
};

}  // namespace velmora
