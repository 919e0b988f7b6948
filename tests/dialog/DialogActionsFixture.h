#pragma once

#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "SettingsDialogFixture.h"
#include "app/ClockVolumeRamp.h"
#include "dialog/DialogActions.h"
#include "fakes/FakeDesktopOpener.h"
#include "fakes/FakeEventPump.h"
#include "fakes/FakeFileDialogService.h"
#include "fakes/FakeMasterVolume.h"
#include "fakes/FakeMediaPlayer.h"
#include "fakes/FakeMillisecondClock.h"
#include "fakes/FakeNotices.h"
#include "fakes/FakeRandom.h"
#include "fakes/FakeSoundActivity.h"
#include "fakes/FakeSoundDevice.h"
#include "fakes/FakeSoundRecorder.h"
#include "fakes/FakeSpeechSynthesizer.h"
#include "fakes/FakeSystemPower.h"
#include "fakes/FakeWaveFileReader.h"
#include "schedule/ClockState.h"
#include "sound/BeforeSoundLists.h"
#include "sound/BeforeSoundPlayer.h"
#include "sound/MasterVolumeControl.h"
#include "speech/SpeakContext.h"
#include "speech/SpeechPlayer.h"

namespace velmora::test {

// Speak's view of the dialog's request to play the recording after a test
// phrase, as the program wires it.
class DialogSpeakContext final : public SpeakContext {
public:
    explicit DialogSpeakContext(std::unique_ptr<TVelmoraSetteiForm>& form) : form_(form) {}
    bool Ringing() const override { return false; }
    bool AlarmUtteranceBusy() const override { return false; }
    void SetAlarmUtteranceBusy(bool) override {}
    int HowTo() const override { return 0; }
    bool PlayRecordingRequested() const override {
        return form_ && form_->State().PlayRecordingRequested;
    }
    void ClearPlayRecordingRequested() override {
        if (form_) {
            form_->State().PlayRecordingRequested = false;
        }
    }

private:
    std::unique_ptr<TVelmoraSetteiForm>& form_;
};

// The real dialog with its actions over fakes: the music and before-sound
// players, Speak on a fake sound device and synthesizer, the master
// volume, the recorder, the file and font dialogs, the desktop and the
// power states. The program folder holds empty files for the built-in
// sounds.
class DialogActionsFixture : public SettingsDialogFixture {
public:
    DialogActionsFixture();
    ~DialogActionsFixture() override;

    // The dialog (shown, on the current file) with its actions connected.
    DialogActions& Actions(PowerControlStyle style = PowerControlStyle::SleepCheckBox);

    // Writes `count` files named sound<n>.wav into the data folder.
    std::vector<std::string> MakeFiles(const std::string& stem, int count) const;
    // The texts of a list's entries.
    std::vector<QString> ListTexts(const char* comboBox) const;
    // What the fake device put on the speech channel was made from.
    std::string LastSpokenText() const;
    QString WordMemoColourName() const;

    TempDir program;
    FakeFileDialogService files;
    FakeSoundRecorder recorder;
    // A real recorder to use instead, set before Actions().
    SoundRecorder* realRecorder = nullptr;
    FakeSystemPower power;
    FakeMediaPlayer player;  // the music player
    FakeMediaPlayer beforePlayer;
    FakeDesktopOpener opener;
    FakeMillisecondClock ticks;
    FakeEventPump pump{ticks};
    FakeNotices speechNotices;
    FakeRandom random;
    FakeSoundDevice device;
    FakeSpeechSynthesizer synth;
    FakeWaveFileReader reader;
    DialogSpeakContext context{form};
    FakeSoundActivity activity;
    FakeMasterVolume* masterVolume = nullptr;  // owned by `volume`
    IniFile ini{dir.File("Settei.ini")};
    BeforeSoundLists lists;
    std::unique_ptr<BeforeSoundPlayer> before;
    std::unique_ptr<SpeechPlayer> speech;
    std::unique_ptr<MasterVolumeControl> volume;
    ClockState clock;
    ClockVolumeRamp ramp{clock};
    std::vector<QString> appliedFonts;
    int centred = 0;
    bool visibleWhenCentred = true;
    std::unique_ptr<DialogActions> actions;
};

}  // namespace velmora::test
