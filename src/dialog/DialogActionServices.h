#pragma once

#include <QString>
#include <functional>
#include <string>

namespace velmora {

class BeforeSoundPlayer;
class DesktopOpener;
class FileDialogService;
class IniFile;
class MasterVolumeControl;
class MediaPlayer;
class MillisecondClock;
class PhoneticConverter;
class RandomSource;
class SettingsDialogHost;
class SoundRecorder;
class SpeechPlayer;
class SpeechSynthesizer;
class SystemPower;
class VolumeRamp;
struct BeforeSoundLists;

// What the settings dialog's tests, list commands, recording, font button,
// guide and power action work with. The program's main window owns most of
// it; everything must outlive the dialog's actions.
struct DialogActionServices {
    SettingsDialogHost& Host;
    IniFile& Ini;  // Settei.ini
    // The main window's before-sound paths, kept in step with the lists.
    BeforeSoundLists& Lists;
    BeforeSoundPlayer& Before;
    // The music player, shared with the alarm's music: the music test and
    // listening to the recording play on it.
    MediaPlayer& Player;
    SpeechPlayer& Speech;
    SpeechSynthesizer& Synthesizer;
    PhoneticConverter& Converter;
    MasterVolumeControl& Volume;
    // The clock's volume ramp, which the main tick also runs for the music
    // test.
    VolumeRamp& Ramp;
    RandomSource& Random;
    MillisecondClock& Ticks;
    SoundRecorder& Recorder;
    FileDialogService& Files;
    DesktopOpener& Opener;
    SystemPower& Power;
    std::string ProgramFolder;  // both with a trailing slash
    std::string DataFolder;
    // Gives the clock window, the about window and the settings dialog the
    // face name, in that order, and lays out a visible clock anew.
    std::function<void(const QString& face)> ApplyFontName;
    // Puts the clock window in the middle of the screen.
    std::function<void()> CentreClock;
};

}  // namespace velmora
