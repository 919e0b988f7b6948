#include "app/ClockTicker.h"

#include <QCoreApplication>
#include <QDateTime>
#include <cerrno>

#include "app/TVelmoraMainForm.h"
#include "clock/ClockHints.h"
#include "schedule/SystemEscapeKey.h"
#include "schedule/TickPhase.h"
#include "settings/SettingsLoader.h"
#include "sound/SoundDevice.h"
#include "sound/sndfile/SndfileSoundLength.h"

namespace velmora {
namespace {

TVelmoraMainForm& MainOf(const ProgramParts& parts) {
    // The clock window is made after the main window and goes before it.
    return *parts.Main;
}

}  // namespace

ClockTicker::ClockTicker(ProgramParts& parts, DialogLink& dialog, NoticeRelay& notices,
                         MessageService& messages, PhoneticConverter& converter)
    : parts_(parts),
      host_(parts, dialog),
      form_(host_, desktop_, messages, parts.Folders),
      ops_(parts, form_),
      holidays_(HolidayCalendar::ForDataFolder(parts.Folders.DataFolder)),
      keys_(MakeSystemEscapeKey()),
      wake_(timer_, notices,
            NoWakeFromSleepText(timer_.AlarmClockError() == EPERM, FindProgramFile())),
      services_{
          .Config = parts.Config,
          .Ini = parts.Ini,
          .Holidays = holidays_,
          .Wall = wall_,
          .Ticks = MainOf(parts).Ticks(),
          .Random = MainOf(parts).Random(),
          .Pump = pump_,
          .Speech = MainOf(parts).Speech(),
          .Synthesizer = MainOf(parts).Voices(),
          .LeadSoundLength = [&lists = MainOf(parts).Lists()](
                                 int index) { return SoundFileLengthMs(lists.Name(true, index)); },
          .Before = MainOf(parts).Before(),
          .Music = MainOf(parts).Music(),
          .MusicPlayer = MainOf(parts).MusicPlayer(),
          .Volume = MainOf(parts).Volume(),
          .Window = ops_,
          .Menu = MainOf(parts).MenuOps(),
          .Dialog = dialog,
          .Questions = notices,
          .Keys = *keys_,
          .Wake = wake_,
          .Awake = MainOf(parts).Awake(),
          .Notice = notices,
          .Events = events_,
          .AudibleLeadMs = kSoundStartLatencyMs},
      engine_(parts.State, services_),
      times_(QDBusConnection::systemBus(), [this] { engine_.Resumed(); }) {
    parts.State.HelpHint = HelpHint();
    parts.Config = LoadSettings(parts.Ini, parts.Folders.DataFolder, converter);
    if (parts.Config.HowTo == 1) {
        MainOf(parts).Speech().LoadRecordedVoice();
    }
    const QSize screen = desktop_.ScreenSize();
    MainOf(parts).RememberedPosition() =
        ReadClockPosition(parts.Ini, screen.width(), screen.height());

    mainTimer_.setSingleShot(true);
    mainTimer_.setTimerType(Qt::PreciseTimer);
    connect(&mainTimer_, &QTimer::timeout, this, [this] {
        // Re-armed first: the tick may wait in a nested event loop (a before
        // sound playing to its end), and the ticks go on meanwhile.
        ArmNextTick();
        engine_.MainTimerTimer();
        SleepIfIdle();
    });
    QCoreApplication::instance()->installEventFilter(this);
    // Once, after the windows are up, not in the middle of making them.
    for (std::string problem : {parts.Ini.ReadProblem(), holidays_.Problem()}) {
        if (!problem.empty()) {
            QTimer::singleShot(0, this, [&notices, problem] { notices.ShowNotice(problem); });
        }
    }
    engine_.Start();
    ArmNextTick();
    // Switched off, the clock never appears: not even until the start-up
    // step would hide it again.
    if (host_.ShowClock()) {
        form_.show();
    } else {
        form_.PlaceOnce();
    }
}

ClockTicker::~ClockTicker() {
    StopTimer();
}

PixelSize ClockTicker::ScreenSize() const {
    const QSize screen = desktop_.ScreenSize();
    return {screen.width(), screen.height()};
}

void ClockTicker::ArmNextTick() {
    const long long delay = MsToNextTick(QDateTime::currentMSecsSinceEpoch(), kSoundStartLatencyMs);
    mainTimer_.start(static_cast<int>(delay));
}

void ClockTicker::SleepIfIdle() {
    sleeping_ = false;
    if (!mainTimer_.isActive() || !parts_.State.MainTimerEnabled) {
        return;
    }
    const long long sleepMs = engine_.IdleSleepMs(wall_.Now());
    if (sleepMs > 0) {
        sleeping_ = true;
        mainTimer_.start(static_cast<int>(sleepMs));
    }
}

bool ClockTicker::eventFilter(QObject* watched, QEvent* event) {
    // Every event reaches the program through here: input, the desktop's
    // and the kernel's word on the time (D-Bus, the timerfd), the settings
    // dialog, a second start, the sound server's news. Any of them may bring
    // work for the tick, so a sleeping tick wakes for each; the sleep's own
    // timer is the one event that does not count.
    if (sleeping_ && watched != &mainTimer_) {
        WakeFromIdle();
    }
    return QObject::eventFilter(watched, event);
}

void ClockTicker::WakeFromIdle() {
    sleeping_ = false;
    if (mainTimer_.remainingTime() > kMainTickMs) {
        ArmNextTick();
    }
}

void ClockTicker::StopTimer() {
    mainTimer_.stop();
    parts_.State.MainTimerEnabled = false;
}

}  // namespace velmora
