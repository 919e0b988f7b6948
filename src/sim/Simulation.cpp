#include "sim/Simulation.h"

#include <algorithm>
#include <utility>

#include "clock/ClockHints.h"
#include "dialog/DialogValuesLoader.h"
#include "dialog/DialogValuesSaver.h"
#include "dialog/SettingsValidation.h"
#include "dialog/TrayMenuSync.h"
#include "schedule/TickPhase.h"
#include "settings/SettingsLoader.h"

namespace velmora {

SimulationConfig LoadSimulationConfig(const std::string& dataFolder,
                                      const std::string& programFolder,
                                      PhoneticConverter& converter) {
    const IniFile ini(dataFolder + kSettingsFileName);
    SimulationConfig config;
    config.DataFolder = dataFolder;
    config.ProgramFolder = programFolder;
    config.Config = LoadSettings(ini, dataFolder, converter);
    config.Switches = ReadStartupSettings(ini);
    return config;
}

Simulation::Simulation(SimulationConfig config, FileLengthMs lengths, WaveFileReader& reader,
                       std::ostream* out)
    : config_(std::move(config)),
      settings_(config_.Config),
      ini_(config_.DataFolder + kSettingsFileName),
      holidays_(HolidayCalendar::ForDataFolder(config_.DataFolder)),
      lists_(BuildBeforeSoundLists(config_.ProgramFolder, ini_,
                                   config_.Switches.AlarmBeforeSoundCount,
                                   config_.Switches.JihoBeforeSoundCount)),
      time_(config_.FromMs),
      random_(config_.RandomSeed),
      window_(config_.Switches.ShowClock),
      menu_(config_.Switches),
      user_(config_.SnoozeAnswerYes),
      log_(time_, lists_, out),
      device_(time_),
      synthesizer_(config_.UtteranceMs),
      beforePlayer_(time_, lengths),
      musicPlayer_(time_, lengths),
      context_(state_, settings_, dialog_),
      before_(beforePlayer_, lists_, time_, main_),
      speech_(SpeechPlayer::Services{.Device = device_,
                                     .Synthesizer = synthesizer_,
                                     .Before = before_,
                                     .Pump = *this,
                                     .Reader = reader,
                                     .Notice = main_,
                                     .Context = context_,
                                     .DataFolder = config_.DataFolder}),
      music_(AlarmMusic::Services{.Player = musicPlayer_,
                                  .Config = settings_,
                                  .Ini = ini_,
                                  .Before = before_,
                                  .Clock = time_,
                                  .Random = random_,
                                  .Hooks = main_,
                                  .Opener = main_,
                                  .Notice = main_}),
      activity_(state_, speech_, music_, dialog_),
      output_(new SimMasterVolume(config_.UserVolume, config_.UserMuted)),
      volume_(std::unique_ptr<MasterVolume>(output_), true, activity_),
      lengths_(std::move(lengths)),
      services_{.Config = settings_,
                .Ini = ini_,
                .Holidays = holidays_,
                .Wall = time_,
                .Ticks = time_,
                .Random = random_,
                .Pump = *this,
                .Speech = speech_,
                .Synthesizer = synthesizer_,
                .LeadSoundLength = [this](int index) { return lengths_(lists_.Name(true, index)); },
                .Before = before_,
                .Music = music_,
                .MusicPlayer = musicPlayer_,
                .Volume = volume_,
                .Window = window_,
                .Menu = menu_,
                .Dialog = dialog_,
                .Questions = user_,
                .Keys = user_,
                .Wake = wake_,
                .Awake = awake_,
                .Notice = main_,
                .Events = log_,
                .AudibleLeadMs = config_.AudibleLeadMs},
      engine_(state_, services_),
      settingsHost_({.Services = services_,
                     .State = state_,
                     .Engine = engine_,
                     .Menu = menu_,
                     .Window = window_,
                     .Ini = ini_}),
      weather_(config_.Weather) {
    beforePlayer_.SetStartHandler(
        [this](const std::string& path) { log_.BeforeSoundStarted(path); });
    musicPlayer_.SetStartHandler([this](const std::string& path) { log_.MusicStarted(path); });
    log_.SetRingingHandler([this] { RingingStarted(); });
    main_.SetShownHandler([this](const std::string& text) { log_.NoticeShown(text); });
    wake_.SetWakesFromSleep(config_.WakeRight);
    state_.HelpHint = HelpHint();
    if (settings_.HowTo == 1) {
        speech_.LoadRecordedVoice();
    }
    engine_.Start();
    ScheduleTick(NextTickAfter(config_.FromMs));
}

long long Simulation::NextTickAfter(long long ms) const {
    // The program phases its ticks on the wall clock's tenths.
    return ms + (config_.IdealTicks
                     ? kMainTickMs
                     : MsToNextTick(ms + time_.WallOffsetMs(), config_.AudibleLeadMs));
}

std::vector<ClockWeather>::iterator Simulation::NextWeather() {
    auto next = weather_.end();
    for (auto it = weather_.begin(); it != weather_.end(); ++it) {
        // A moment the wall clock has passed comes again only after a step
        // back.
        if (it->AtMs >= time_.WallMs() && (next == weather_.end() || it->AtMs < next->AtMs)) {
            next = it;
        }
    }
    return next;
}

void Simulation::RunWeatherUntil(long long wallMs, bool allWeather) {
    // Between two runs the caller may have changed anything.
    idleWakeMs_ = 0;
    for (auto next = NextWeather(); next != weather_.end() && (allWeather || next->AtMs <= wallMs);
         next = NextWeather()) {
        time_.RunUntil(next->AtMs - time_.WallOffsetMs());
        const ClockWeather weather = *next;
        weather_.erase(next);
        if (weather.What == ClockWeather::Kind::Step) {
            time_.StepWall(weather.Ms);
            idleWakeMs_ = 0;
        } else {
            sleepFrom_ = time_.NowMs();
            sleepUntil_ = sleepFrom_ + weather.Ms;
        }
    }
    time_.RunUntil(std::max(time_.NowMs(), wallMs - time_.WallOffsetMs()));
}

void Simulation::ScheduleTick(long long at) {
    time_.At(at, [this, at] {
        // The next tick is due whatever this one does, also while it waits.
        ScheduleTick(NextTickAfter(at));
        if (Asleep(at)) {
            asleep_ = true;
            return;
        }
        if (asleep_) {
            asleep_ = false;
            idleWakeMs_ = 0;
            log_.Resumed();
            engine_.Resumed();
        }
        const long long wallMs = at + time_.WallOffsetMs();
        if (idleWakeMs_ != 0 && wallMs < idleWakeMs_ - kMainTickMs / 2) {
            return;
        }
        idleWakeMs_ = 0;
        RunTick();
        if (config_.IdleSleep) {
            const long long sleepMs = engine_.IdleSleepMs(time_.Now());
            idleWakeMs_ = sleepMs > 0 ? time_.WallMs() + sleepMs : 0;
        }
    });
}

void Simulation::ProcessEvents() {
    time_.ProcessEvents();
    if (tickOnEveryPump_) {
        RunTick();
    }
}

void Simulation::RunTick() {
    ++ticksRun_;
    nestedTicks_ += tickDepth_ > 0 ? 1 : 0;
    ++tickDepth_;
    engine_.MainTimerTimer();
    --tickDepth_;
}

DialogValues Simulation::OpenSettings(PhoneticConverter& converter) {
    DialogValues form;
    LoadAddedSounds(ini_, form);
    const DialogValuesLoadContext context{.Live = settings_,
                                          .CurrentMonth = DecodeDate(time_.Now()).month - 1,
                                          .AlarmWordPath = config_.DataFolder + kAlarmWordFileName,
                                          .FallbackFontName = {},
                                          .Converter = converter};
    LoadDialogValues(ini_, context, form);
    return form;
}

bool Simulation::ConfirmSettings(DialogValues form) {
    idleWakeMs_ = 0;
    const DialogValuesValidation check = ValidateDialogValues(form);
    if (!check.Passed) {
        main_.ShowNotice(check.Message);
        return false;
    }
    const DialogValuesSaveResult saved =
        SaveDialogValues(ini_, form, check.DayOfMonthList, settings_,
                         {.AlarmWordPath = config_.DataFolder + kAlarmWordFileName,
                          .RecordedVoicePath = config_.DataFolder + kRecordedVoiceFileName});
    if (!saved.Saved) {
        main_.ShowNotice(saved.Error);
        return false;
    }
    if (settings_.SpeakBeforeSound) {
        settingsHost_.RebuildPreAnnouncement();
    }
    BringTrayMenuInLine(settingsHost_, form);
    return true;
}

bool Simulation::Asleep(long long at) {
    if (at < sleepFrom_ || at >= sleepUntil_) {
        return false;
    }
    // The wake-up timer resumes the computer at its moment, for good.
    if (wake_.WakesFromSleep() && wake_.Armed() &&
        at + time_.WallOffsetMs() >= MomentMs(wake_.WakeTime())) {
        sleepUntil_ = at;
        return false;
    }
    return true;
}

void Simulation::RingingStarted() {
    if (!config_.StopAfterMs) {
        return;
    }
    time_.After(*config_.StopAfterMs, [this] { engine_.StopButtonPressed(); });
}

}  // namespace velmora
