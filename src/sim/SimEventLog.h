#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "schedule/ClockEvents.h"
#include "sim/VirtualTime.h"
#include "sound/BeforeSoundLists.h"

namespace velmora {

// One happening of the simulated clock.
struct SimEvent {
    long long Ms = 0;  // the wall clock, virtual milliseconds since 1899/12/30
    std::string Name;  // "JIHO", "VOLUME", "ALARM-START", ...
    std::string Details;
};

// The simulator's journal: one line per happening,
// "YYYY/MM/DD HH:NN:SS.mmm EVENT details", and the same as records.
class SimEventLog final : public ClockEvents {
public:
    // `out` may be null: the records are kept all the same.
    SimEventLog(VirtualTime& time, const BeforeSoundLists& lists, std::ostream* out);

    void SpeakRequested(const SpeakRequest& request) override;
    void MasterVolumeSet(int percent) override;
    void MasterVolumeRestored() override;
    void AlarmStarted() override;
    void SnoozeResumed() override;
    void AlarmStopped() override;
    void SnoozeWaitStarted() override;
    void RingingEnded() override;
    void WakeUpArmed(DateTime wakeTime, DateTime alarmMoment) override;
    void AlarmSwitchedOff() override;

    // The players report what they start.
    void BeforeSoundStarted(const std::string& path);
    void MusicStarted(const std::string& path);
    // A message box, its text on one line (line breaks become spaces).
    void NoticeShown(const std::string& text);
    // The computer woke up from sleep.
    void Resumed();

    // Told each time the alarm starts ringing, also after a snooze pause.
    void SetRingingHandler(std::function<void()> handler) { onRinging_ = std::move(handler); }

    const std::vector<SimEvent>& Events() const { return events_; }

private:
    void Add(std::string name, std::string details = {});

    VirtualTime& time_;
    const BeforeSoundLists& lists_;
    std::ostream* out_;
    std::vector<SimEvent> events_;
    std::function<void()> onRinging_;
    // The before sound of the latest utterance, to name the list it came from.
    bool lastFromJiho_ = false;
    int lastBefore_ = 0;
};

// "YYYY/MM/DD HH:NN:SS.mmm" of a virtual moment.
std::string FormatSimMoment(long long ms);

}  // namespace velmora
