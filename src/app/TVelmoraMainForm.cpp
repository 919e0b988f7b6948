#include "app/TVelmoraMainForm.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include "app/AutostartEntry.h"
#include "app/TrayMenuHost.h"
#include "clock/ClockPositionRules.h"
#include "schedule/AlarmTexts.h"
#include "sound/MasterVolumePath.h"

namespace velmora {
namespace {

PixelSize PrimaryScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    return {screen->geometry().width(), screen->geometry().height()};
}

std::unique_ptr<MasterVolumeControl> MakeVolume(const SoundActivity& activity) {
    MasterVolumePath path = ChooseMasterVolume();
    return std::make_unique<MasterVolumeControl>(std::move(path.volume), path.useEndpointVolume,
                                                 activity);
}

}  // namespace

TVelmoraMainForm::TVelmoraMainForm(const Parts& parts)
    : QWidget(nullptr),
      folders_(parts.Folders),
      state_(parts.State),
      tray_(folders_.ProgramFolder, &menu_),
      menuOps_(menu_, tray_),
      autostart_(FindProgramFile(), AutostartFolder()),
      commands_({menu_, parts.MenuHost, parts.Ini, parts.Notice, opener_, autostart_,
                 folders_.ProgramFolder}),
      lists_(BuildBeforeSoundLists(folders_.ProgramFolder, parts.Ini,
                                   parts.Switches.AlarmBeforeSoundCount,
                                   parts.Switches.JihoBeforeSoundCount)),
      before_(beforePlayer_, lists_, ticks_, parts.Notice),
      voices_(std::make_unique<VoiceLibraries>(folders_.ProgramFolder, parts.Fatal)),
      context_(parts.State, parts.Config, parts.Dialog),
      speech_(std::make_unique<SpeechPlayer>(
          SpeechPlayer::Services{.Device = device_,
                                 .Synthesizer = *voices_,
                                 .Before = before_,
                                 .Pump = parts.Pump,
                                 .Reader = reader_,
                                 .Notice = parts.Notice,
                                 .Context = context_,
                                 .DataFolder = folders_.DataFolder})),
      music_(AlarmMusic::Services{.Player = musicPlayer_,
                                  .Config = parts.Config,
                                  .Ini = parts.Ini,
                                  .Before = before_,
                                  .Clock = ticks_,
                                  .Random = random_,
                                  .Hooks = menuOps_,
                                  .Opener = opener_,
                                  .Notice = parts.Notice}),
      activity_(parts.State, *speech_, music_, parts.Dialog),
      volume_(MakeVolume(activity_)) {
    setWindowTitle(QGuiApplication::applicationDisplayName());
    // The tray icon comes first, with the alarm off; its two other icons
    // were loaded with it.
    tray_.SetTip(AlarmOffTip(), TrayIcon::Application);
    tray_.Show();
    QApplication::setWindowIcon(tray_.IconImage(TrayIcon::Application));
    connect(&tray_, &VelmoraTrayIcon::leftClicked, this, &TVelmoraMainForm::TrayLeftClicked);

    const QFont menuFont = QApplication::font("QMenu");
    setFont(menuFont);
    menuFontName_ = menuFont.family().toStdString();

    menu_.SetCaption(TrayMenuItem::StartUp, QString::fromStdString(autostart_.Caption()));

    const StartupSettings& s = parts.Switches;
    menu_.SetChecked(TrayMenuItem::ShowClock, s.ShowClock);
    menu_.SetChecked(TrayMenuItem::ClockAllwaysFront, s.AllwaysFront);
    menu_.SetChecked(TrayMenuItem::OnMouseHide, s.OnMouseHide);
    menu_.SetChecked(TrayMenuItem::Alarm, s.Alarm);
    menu_.SetChecked(TrayMenuItem::Snooze, s.Snooze);
    menu_.SetChecked(TrayMenuItem::SpeakJiho, s.SpeakJiho);
    menu_.SetChecked(TrayMenuItem::BackColorGray, s.BackColorGray);
    menu_.SetChecked(TrayMenuItem::BackColorWhite, !s.BackColorGray);
    commands_.SetMenusLive(true);

    // Without a sound server now the voices stay silent; each utterance
    // looks for the output again, so a server started later is heard.
    device_.Open();

    menu_.SetCaption(TrayMenuItem::SetClockPosition,
                     QString::fromStdString(ClockPositionMenuCaption(PrimaryScreenSize())));
}

TVelmoraMainForm::~TVelmoraMainForm() {
    tray_.Remove();
    SilenceAndRestoreVolume();
    // Users go before what they use: Speak synthesizes with the voices, so
    // it goes first, taking the recorded voice it holds with it, and the
    // voices after it. The other way round Speak would be left holding
    // voices already unloaded.
    speech_.reset();
    voices_.reset();
    awake_.Release();
}

void TVelmoraMainForm::SilenceAndRestoreVolume() {
    before_.StopBeforeSound();
    speech_->StopSpeech(kSpeechChannel);
    speech_->StopSpeech(kRecordedVoiceChannel);
    if (music_.MusicPlaying()) {
        music_.MenuMusicStop();
    }
    // The alarm is over with the program: nothing holds the raised level.
    state_.Ringing = false;
    state_.RampStart = 0;
    volume_->RestoreMasterVolume();
    volume_->RestoreMasterMute();
}

void TVelmoraMainForm::TrayLeftClicked() {
    // Also while the menu item is still disabled in the first seconds; an
    // open dialog comes to the front with its edits.
    commands_.Run(TrayMenuItem::ShowSettei);
}

}  // namespace velmora
