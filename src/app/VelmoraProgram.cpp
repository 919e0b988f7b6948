#include "app/VelmoraProgram.h"

#include <QCoreApplication>
#include <QSystemTrayIcon>
#include <QThread>
#include <QTimer>

#include "about/TVelmoraVersionForm.h"
#include "app/ClockTicker.h"
#include "app/NowTimeShortcut.h"
#include "app/TVelmoraMainForm.h"
#include "app/TrayPresence.h"
#include "dialog/DialogActions.h"
#include "dialog/TVelmoraSetteiForm.h"
#include "speech/mecab/MecabReadingService.h"

namespace velmora {
namespace {

// Told once a run on Wayland without an X display.
constexpr const char* kWaylandLimitsMessage =
    "この Wayland のセッションには X のディスプレイ（XWayland）がないため、"
    "時計の位置の記憶、常に最前面、マウスが近づいたら隠す機能は使えません。\n"
    "XWayland を入れると、次の起動からこれらが使えます。";

}  // namespace

VelmoraProgram::VelmoraProgram(const StartupContext& context, MessageService& messages)
    : context_(context),
      messages_(messages),
      ini_(context_.Folders.DataFolder + kSettingsFileName),
      parts_{.Folders = context_.Folders, .Config = settings_, .State = state_, .Ini = ini_},
      converter_(MecabReadingServiceFactory()),
      notices_(messages),
      dialogLink_(parts_),
      fatal_(notices_, [this](int code) { End(code); }),
      trayHost_(parts_),
      settingsHost_(parts_),
      power_(QDBusConnection::systemBus()) {
    parts_.End = [this](int code) { End(code); };

    const TVelmoraMainForm::Parts mainParts{.Folders = context_.Folders,
                                            .Switches = context_.Switches,
                                            .State = state_,
                                            .Config = settings_,
                                            .Ini = ini_,
                                            .Notice = notices_,
                                            .Dialog = dialogLink_,
                                            .Fatal = fatal_,
                                            .MenuHost = trayHost_,
                                            .Pump = pump_};
    main_ = std::make_unique<TVelmoraMainForm>(mainParts);
    parts_.Main = main_.get();

    clock_ = std::make_unique<ClockTicker>(parts_, dialogLink_, notices_, messages_, converter_);
    parts_.Clock = clock_.get();
    trayPresence_ = std::make_unique<TrayPresence>(
        parts_, notices_,
        context_.TrayAvailable ? context_.TrayAvailable : &QSystemTrayIcon::isSystemTrayAvailable);
    if (!clock_->Desktop().PlacesWindows()) {
        // Wayland with no X display to run on: what needs the window to place
        // itself or see the pointer is switched off, and the user told why.
        for (const TrayMenuItem item : {TrayMenuItem::ClockAllwaysFront, TrayMenuItem::OnMouseHide,
                                        TrayMenuItem::SetClockPosition}) {
            main_->Menu().SetUnavailable(item, true);
        }
        QTimer::singleShot(0, main_.get(), [this] { notices_.ShowNotice(kWaylandLimitsMessage); });
    }

    // The key speaks as the tray's "現在時刻" does, and like it stays
    // silent while anything else speaks.
    nowTimeKey_ = std::make_unique<NowTimeShortcut>(MakeSessionGlobalShortcut(),
                                                    [this] { trayHost_.SpeakCurrentTime(); });
    parts_.NowTimeKey = nowTimeKey_.get();
    nowTimeKey_->Apply(settings_.NowTimeKey);

    dialog_ = std::make_unique<TVelmoraSetteiForm>(settingsHost_, messages_, converter_,
                                                   context_.Folders);
    parts_.Dialog = dialog_.get();
    // The portal answers later, and the desktop may ask the user first.
    QObject::connect(nowTimeKey_.get(), &NowTimeShortcut::statusChanged, dialog_.get(),
                     &TVelmoraSetteiForm::ShowNowTimeKeyStatus);
    notices_.SetRoutine(&dialog_->Notices());
    // The dialog's "使い方(&H)" is the main window's help command.
    QObject::connect(dialog_.get(), &TVelmoraSetteiForm::helpRequested, main_.get(),
                     [this] { main_->Commands().Run(TrayMenuItem::Help); });
    actions_ = std::make_unique<DialogActions>(
        *dialog_,
        DialogActionServices{
            .Host = settingsHost_,
            .Ini = ini_,
            .Lists = main_->Lists(),
            .Before = main_->Before(),
            .Player = main_->MusicPlayer(),
            .Speech = main_->Speech(),
            .Synthesizer = main_->Voices(),
            .Converter = converter_,
            .Volume = main_->Volume(),
            .Ramp = ramp_,
            .Random = main_->Random(),
            .Ticks = main_->Ticks(),
            .Recorder = recorder_,
            .Files = files_,
            .Opener = main_->Opener(),
            .Power = power_,
            .ProgramFolder = context_.Folders.ProgramFolder,
            .DataFolder = context_.Folders.DataFolder,
            .ApplyFontName = [this](const QString& face) { clock_->Ops().ApplyFontName(face); },
            .CentreClock = [this] { clock_->Ops().CentreClock(); }});
    main_->MenuOps().SetTestPlaybackHandler([this] { actions_->TestPlaybackEnded(); });

    about_ = std::make_unique<TVelmoraVersionForm>(notices_, linkOpener_,
                                                   context_.Folders.ProgramFolder);
    parts_.About = about_.get();
    QObject::connect(dialog_.get(), &TVelmoraSetteiForm::aboutRequested, about_.get(),
                     &TVelmoraVersionForm::ShowModal);
}

VelmoraProgram::~VelmoraProgram() {
    clock_->StopTimer();
    parts_.NowTimeKey = nullptr;
    nowTimeKey_.reset();
    trayPresence_.reset();
    parts_.About = nullptr;
    about_.reset();
    main_->MenuOps().SetTestPlaybackHandler(nullptr);
    actions_.reset();
    notices_.SetRoutine(nullptr);
    parts_.Dialog = nullptr;
    dialog_.reset();
    parts_.Clock = nullptr;
    clock_.reset();
    parts_.Main = nullptr;
    main_.reset();
}

void VelmoraProgram::End(int code) {
    if (!endCode_) {
        endCode_ = code;
    }
    if (clock_ != nullptr) {
        clock_->StopTimer();
    }
    // Not quit(): that would close every window first, and the clock
    // window, closed, would no longer save its place on the way out.
    // Without a running loop exit() ends nothing, yet every box shown later
    // (on the way out) would close the moment it opened.
    if (QThread::currentThread()->loopLevel() > 0) {
        QCoreApplication::exit(code);
    }
}

}  // namespace velmora
