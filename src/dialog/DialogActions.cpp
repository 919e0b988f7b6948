#include "dialog/DialogActions.h"

#include "dialog/TVelmoraSetteiForm.h"

namespace velmora {

DialogActions::DialogActions(TVelmoraSetteiForm& dialog, const DialogActionServices& services)
    : services_(services),
      lists_(dialog, services_),
      music_(dialog, services_),
      recording_(dialog, services_),
      tests_(dialog, services_),
      commands_(dialog, services_) {
    using Form = TVelmoraSetteiForm;
    connect(&dialog, &Form::speedTestRequested, this, [this] { tests_.BtnSpeakTestClick(); });
    connect(&dialog, &Form::volumeTestRequested, this,
            [this](VolumeTrack track) { tests_.VolumeTest(track); });
    connect(&dialog, &Form::alarmWordTestRequested, this,
            [this] { tests_.BtnAlarmWordTestClick(); });
    connect(&dialog, &Form::soundPreviewRequested, this,
            [this](SoundList list, int index) { lists_.Preview(list, index); });
    connect(&dialog, &Form::addToListRequested, this,
            [this](SoundList list) { lists_.AddFiles(list); });
    connect(&dialog, &Form::deleteFromListRequested, this,
            [this](SoundList list) { lists_.DeleteSelected(list); });
    connect(&dialog, &Form::musicTestRequested, this, [this] { music_.BtnAlarmMusicTestClick(); });
    connect(&dialog, &Form::recordRequested, this, [this] { recording_.BtnRecordClick(); });
    connect(&dialog, &Form::wavePlayRequested, this, [this] { recording_.BtnWavePlayClick(); });
    connect(&dialog, &Form::changeFontRequested, this, [this] { commands_.BtnChangeFontClick(); });
    connect(&dialog, &Form::wordGuideRequested, this, [this] { commands_.MenuAQTClick(); });
    connect(&dialog, &Form::stopTestsRequested, this, &DialogActions::StopTests);
    connect(&dialog, &Form::powerActionRequested, this,
            [this](PowerAction action) { commands_.RunPowerAction(action); });
}

void DialogActions::StopTests() {
    if (music_.Playing()) {
        music_.BtnAlarmMusicTestClick();
    }
    if (recording_.Listening()) {
        recording_.BtnWavePlayClick();
    }
}

void DialogActions::TestPlaybackEnded() {
    music_.PlaybackEnded();
    recording_.PlaybackEnded();
}

}  // namespace velmora
