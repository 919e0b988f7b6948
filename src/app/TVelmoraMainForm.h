#pragma once

#include <QWidget>
#include <memory>
#include <string>

#include "app/AutostartSwitch.h"
#include "app/ProgramFolders.h"
#include "app/TrayMenuCommands.h"
#include "app/TrayMenuOpsAdapter.h"
#include "app/TrayPopupMenu.h"
#include "app/VelmoraTrayIcon.h"
#include "base/ClockSeededRandom.h"
#include "base/SystemMillisecondClock.h"
#include "schedule/ClockSoundActivity.h"
#include "schedule/ClockSpeakContext.h"
#include "schedule/dbus/DBusDisplayAwake.h"
#include "settings/StartupSettings.h"
#include "sound/AlarmMusic.h"
#include "sound/BeforeSoundLists.h"
#include "sound/BeforeSoundPlayer.h"
#include "sound/MasterVolumeControl.h"
#include "sound/pulse/PulseSoundDevice.h"
#include "sound/qt/QtMediaPlayer.h"
#include "sound/qt/SoundFilePlayer.h"
#include "sound/qt/XdgOpener.h"
#include "sound/sndfile/SndfileWaveReader.h"
#include "speech/SpeechPlayer.h"
#include "speech/VoiceLibraries.h"

namespace velmora {

class TrayMenuHost;

// The hidden main window: never shown, it owns the program's presence in
// the tray with its menu, the speech voices and Speak, the two media
// players, the master volume and the keep-awake requests. Its destruction
// takes the icon out of the tray first, then lets go of Speak with the
// recorded voice, the voices Speak used, and the keep-awake requests.
class TVelmoraMainForm final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TVelmoraMainForm)

public:
    // What the window works with but does not own; all must outlive it.
    struct Parts {
        const AppFolders& Folders;
        const StartupSettings& Switches;
        ClockState& State;
        Settings& Config;
        IniFile& Ini;
        Notices& Notice;
        DialogLink& Dialog;
        FatalNotice& Fatal;
        TrayMenuHost& MenuHost;
        EventPump& Pump;
    };

    explicit TVelmoraMainForm(const Parts& parts);
    ~TVelmoraMainForm() override;

    TrayPopupMenu& Menu() { return menu_; }
    VelmoraTrayIcon& Tray() { return tray_; }
    TrayMenuOpsAdapter& MenuOps() { return menuOps_; }
    TrayMenuCommands& Commands() { return commands_; }
    AutostartSwitch& Autostart() { return autostart_; }
    DesktopOpener& Opener() { return opener_; }
    const std::string& MenuFontName() const { return menuFontName_; }
    ClockPosition& RememberedPosition() { return position_; }

    RandomSource& Random() { return random_; }
    MillisecondClock& Ticks() { return ticks_; }
    DisplayAwake& Awake() { return awake_; }
    BeforeSoundLists& Lists() { return lists_; }
    BeforeSoundPlayer& Before() { return before_; }
    VoiceLibraries& Voices() { return *voices_; }
    SpeechPlayer& Speech() { return *speech_; }
    AlarmMusic& Music() { return music_; }
    MediaPlayer& MusicPlayer() { return musicPlayer_; }
    MasterVolumeControl& Volume() { return *volume_; }

private:
    // The program's sound is cut and the user's level and mute given back,
    // also when the program ends in the middle of an announcement or alarm.
    void SilenceAndRestoreVolume();
    void TrayLeftClicked();

    AppFolders folders_;
    ClockState& state_;
    TrayPopupMenu menu_;
    VelmoraTrayIcon tray_;
    TrayMenuOpsAdapter menuOps_;
    std::string menuFontName_;
    AutostartSwitch autostart_;
    XdgOpener opener_;
    TrayMenuCommands commands_;
    ClockPosition position_;
    ClockSeededRandom random_;
    SystemMillisecondClock ticks_;
    SndfileWaveReader reader_;
    DBusDisplayAwake awake_;
    PulseSoundDevice device_;
    BeforeSoundLists lists_;
    SoundFilePlayer beforePlayer_;
    QtMediaPlayer musicPlayer_;
    BeforeSoundPlayer before_;
    // Declared before Speak, which synthesizes with them, so they outlive
    // it; the destructor keeps the same order.
    std::unique_ptr<VoiceLibraries> voices_;
    ClockSpeakContext context_;
    std::unique_ptr<SpeechPlayer> speech_;
    AlarmMusic music_;
    ClockSoundActivity activity_;
    std::unique_ptr<MasterVolumeControl> volume_;
};

}  // namespace velmora
