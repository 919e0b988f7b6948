#pragma once

#include <QObject>
#include <QTimer>
#include <memory>

#include "app/ClockHostAdapter.h"
#include "app/ClockWindowOpsAdapter.h"
#include "app/NoticeRelay.h"
#include "app/ProgramParts.h"
#include "app/QtEventPump.h"
#include "app/SleepWakeWarning.h"
#include "app/SystemTimeWatch.h"
#include "app/TimerfdWakeUpTimer.h"
#include "base/SystemWallClock.h"
#include "clock/QtClockDesktop.h"
#include "clock/TClockForm.h"
#include "schedule/ClockEngine.h"

namespace velmora {

class MessageService;
class PhoneticConverter;

// What makes the clock tick: the MainTimer driving the clock's engine ten
// times a second, phased to the wall clock, with everything the engine works
// with, among them the frameless TClockForm the engine draws on and the live
// settings it loads. Created after the main window, whose speech, players,
// volume and menu it uses.
class ClockTicker final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClockTicker)

public:
    ClockTicker(ProgramParts& parts, DialogLink& dialog, NoticeRelay& notices,
                MessageService& messages, PhoneticConverter& converter);
    ~ClockTicker() override;

    TClockForm& Form() { return form_; }
    const ClockDesktop& Desktop() const { return desktop_; }
    ClockEngine& Engine() { return engine_; }
    const ClockServices& Services() const { return services_; }
    WakeUpTimer& Wake() { return wake_; }
    ClockWindowOpsAdapter& Ops() { return ops_; }
    PixelSize ScreenSize() const;
    // The tick stops for good (the program is ending).
    void StopTimer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ArmNextTick();
    // With nothing due for a while and the clock hidden, the next tick comes
    // about a second before the next moment the tick has to act on.
    void SleepIfIdle();
    // Something came from outside: the ticks go on as usual from the next
    // tenth.
    void WakeFromIdle();

    ProgramParts& parts_;
    QtClockDesktop desktop_;
    ClockHostAdapter host_;
    TClockForm form_;
    ClockWindowOpsAdapter ops_;
    HolidayCalendar holidays_;
    SystemWallClock wall_;
    QtEventPump pump_;
    std::unique_ptr<EscapeKey> keys_;
    TimerfdWakeUpTimer timer_;
    SleepWakeWarning wake_;
    ClockEvents events_;
    ClockServices services_;
    ClockEngine engine_;
    SystemTimeWatch times_;
    QTimer mainTimer_;
    bool sleeping_ = false;
};

}  // namespace velmora
