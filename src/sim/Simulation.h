#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "dialog/DialogValues.h"
#include "schedule/ClockEngine.h"
#include "schedule/ClockSoundActivity.h"
#include "schedule/ClockSpeakContext.h"
#include "settings/PhoneticConverter.h"
#include "settings/StartupSettings.h"
#include "sim/HeadlessClockWindow.h"
#include "sim/HeadlessDialog.h"
#include "sim/HeadlessMainWindow.h"
#include "sim/HeadlessSettingsHost.h"
#include "sim/HeadlessTrayMenu.h"
#include "sim/SeededRandom.h"
#include "sim/SimDisplayAwake.h"
#include "sim/SimEventLog.h"
#include "sim/SimMasterVolume.h"
#include "sim/SimMediaPlayer.h"
#include "sim/SimSoundDevice.h"
#include "sim/SimSynthesizer.h"
#include "sim/SimUser.h"
#include "sim/SimWakeTimer.h"
#include "sim/VirtualTime.h"
#include "sound/SoundDevice.h"
#include "sound/WaveFileReader.h"

namespace velmora {

// What the desktop does to the clock: the wall clock is set (by hand or by
// time sync), or the computer sleeps. Each happens the first time the wall
// clock reaches `AtMs`.
struct ClockWeather {
    enum class Kind { Step, Sleep };
    Kind What = Kind::Step;
    long long AtMs = 0;  // the wall clock, virtual milliseconds since 1899/12/30
    // A step: how far the wall clock jumps (negative goes back). A sleep:
    // how long the computer sleeps, while the wall clock goes on.
    long long Ms = 0;
};

// What a simulation runs with.
struct SimulationConfig {
    std::string DataFolder;     // ends with a slash: Settei.ini, MyAlarm.wav, the holiday list
    std::string ProgramFolder;  // ends with a slash: the built-in sounds under Data/
    Settings Config;            // as loaded from the data folder
    StartupSettings Switches;   // the tray's check marks as at start-up
    long long FromMs = 0;       // virtual milliseconds since 1899/12/30
    long long ToMs = 0;
    // The user presses STOP this long after each ringing starts; never when unset.
    std::optional<long long> StopAfterMs;
    bool SnoozeAnswerYes = true;
    int UtteranceMs = 2000;
    double UserVolume = 40;  // the master level before the clock changes it
    bool UserMuted = false;
    unsigned RandomSeed = 1;
    // How long after its start a sound is heard (the real output's latency).
    long long AudibleLeadMs = kSoundStartLatencyMs;
    // Ticks on whole tenths of a second, where the program phases them so
    // that a sound started on a tick is heard on the tenth.
    bool IdealTicks = false;
    // The wake-up timer may resume a sleeping computer.
    bool WakeRight = true;
    // An idle tick sleeps until shortly before its next step, as the
    // program's does; off, every tick of the 100 ms runs.
    bool IdleSleep = true;
    std::vector<ClockWeather> Weather;
};

// The config for a data folder: its settings and the tray's check marks
// read as the program reads them at start-up.
SimulationConfig LoadSimulationConfig(const std::string& dataFolder,
                                      const std::string& programFolder,
                                      PhoneticConverter& converter);

// The clock's real tick, alarm and time signal, running every 100 ms of
// virtual time against players, a sound output and a volume that make no
// sound, a headless window, tray and dialog, and a user who stops the alarm
// and answers the snooze question as configured. The real before-sound and
// music lengths come from `lengths`; the recorded voice from `reader`.
class Simulation final : public EventPump {
public:
    Simulation(SimulationConfig config, FileLengthMs lengths, WaveFileReader& reader,
               std::ostream* out);
    Simulation(const Simulation&) = delete;
    Simulation& operator=(const Simulation&) = delete;

    // Runs until the wall clock passes the configured end with no step or
    // sleep left to come.
    void Run() { RunWeatherUntil(config_.ToMs, true); }
    // Runs until the wall clock first reaches `wallMs`.
    void RunUntil(long long wallMs) { RunWeatherUntil(wallMs, false); }
    // The computer sleeps from `wallMs` for `durationMs`: no tick runs, unless
    // the wake-up timer is armed for a moment inside and the right to wake
    // is given, when it resumes there.
    void Sleep(long long wallMs, long long durationMs) {
        weather_.push_back({ClockWeather::Kind::Sleep, wallMs, durationMs});
    }
    // The wall clock jumps by `deltaMs` when it reaches `wallMs`.
    void StepClock(long long wallMs, long long deltaMs) {
        weather_.push_back({ClockWeather::Kind::Step, wallMs, deltaMs});
    }
    // Ticks that ran inside another tick's wait.
    long long NestedTicks() const { return nestedTicks_; }
    // Ticks of the clock that ran, nested or not.
    long long TicksRun() const { return ticksRun_; }
    // A harsher event loop: every round of it also delivers a tick, so each
    // wait and each message round of the clock runs a tick inside it.
    void SetTickOnEveryPump(bool on) { tickOnEveryPump_ = on; }

    // The settings dialog as it opens now: its values read from the settings
    // file and the live record. `converter` reads the user's own words.
    DialogValues OpenSettings(PhoneticConverter& converter);
    // OK in the settings dialog after an edit: the values checked, saved and
    // applied to the running clock as the program's dialog does it. False,
    // with the message shown, when the check or a write refuses them.
    bool ConfirmSettings(DialogValues form);

    // The event loop the clock's waits run.
    void ProcessEvents() override;

    ClockEngine& Engine() { return engine_; }
    ClockState& State() { return state_; }
    Settings& Config() { return settings_; }
    VirtualTime& Time() { return time_; }
    SimEventLog& Log() { return log_; }
    const SimEventLog& Log() const { return log_; }
    HeadlessClockWindow& Window() { return window_; }
    HeadlessTrayMenu& Menu() { return menu_; }
    HeadlessDialog& Dialog() { return dialog_; }
    HeadlessMainWindow& MainWindow() { return main_; }
    SimUser& User() { return user_; }
    SimWakeTimer& Wake() { return wake_; }
    SimDisplayAwake& Awake() { return awake_; }
    SimSoundDevice& Device() { return device_; }
    const SimSynthesizer& Synthesizer() const { return synthesizer_; }
    SimMediaPlayer& MusicPlayer() { return musicPlayer_; }
    SimMasterVolume& Output() { return *output_; }
    MasterVolumeControl& Volume() { return volume_; }
    SpeechPlayer& Speech() { return speech_; }
    const BeforeSoundLists& Lists() const { return lists_; }

private:
    void RunWeatherUntil(long long wallMs, bool allWeather);
    // The step or sleep that the wall clock reaches first from now, or end.
    std::vector<ClockWeather>::iterator NextWeather();
    void ScheduleTick(long long at);
    // When the tick after one at `ms` runs.
    long long NextTickAfter(long long ms) const;
    void RunTick();
    bool Asleep(long long at);
    void RingingStarted();

    SimulationConfig config_;
    Settings settings_;
    IniFile ini_;
    HolidayCalendar holidays_;
    BeforeSoundLists lists_;
    VirtualTime time_;
    SeededRandom random_;
    ClockState state_;
    HeadlessClockWindow window_;
    HeadlessTrayMenu menu_;
    HeadlessDialog dialog_;
    HeadlessMainWindow main_;
    SimUser user_;
    SimWakeTimer wake_;
    SimDisplayAwake awake_;
    SimEventLog log_;
    SimSoundDevice device_;
    SimSynthesizer synthesizer_;
    SimMediaPlayer beforePlayer_;
    SimMediaPlayer musicPlayer_;
    ClockSpeakContext context_;
    BeforeSoundPlayer before_;
    SpeechPlayer speech_;
    AlarmMusic music_;
    ClockSoundActivity activity_;
    SimMasterVolume* output_;
    MasterVolumeControl volume_;
    FileLengthMs lengths_;
    ClockServices services_;
    ClockEngine engine_;
    HeadlessSettingsHost settingsHost_;
    std::vector<ClockWeather> weather_;
    long long sleepFrom_ = 0;
    long long sleepUntil_ = 0;
    bool asleep_ = false;
    bool tickOnEveryPump_ = false;
    int tickDepth_ = 0;
    long long nestedTicks_ = 0;
    long long ticksRun_ = 0;
    // While the clock sleeps idle: the wall clock of the tick it wakes on
    // (0: awake). Whatever comes from outside (a step of the clock, a
    // resume, the user's next move between runs) wakes it, as any event
    // wakes the program.
    long long idleWakeMs_ = 0;
};

}  // namespace velmora
