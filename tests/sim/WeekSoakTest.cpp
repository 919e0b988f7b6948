#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "schedule/AlarmSchedule.h"
#include "schedule/JihoSchedule.h"
#include "settings/SettingsLoader.h"
#include "sim/SimHarness.h"
#include "speech/TimePhrase.h"

namespace velmora::test {
namespace {

constexpr long long kSecondMs = 1000;
constexpr long long kMinuteMs = 60 * kSecondMs;
constexpr long long kHourMs = 60 * kMinuteMs;
constexpr long long kDayMs = 24 * kHourMs;

// No settings change comes this close to an alarm time of the old or the
// new settings, so every alarm belongs to one set of settings alone.
constexpr long long kAlarmMarginMs = 3 * kMinuteMs;
// A due alarm waits for a time signal under way (its sound and words).
constexpr long long kHeldAlarmMs = 20 * kSecondMs;
// The longest a time signal, with its sound, keeps the clock busy.
constexpr long long kBusyMs = 15 * kSecondMs;

unsigned SoakSeed() {
    const char* text = std::getenv("VELMORA_SOAK_SEED");
    return text != nullptr && *text != '\0' ? static_cast<unsigned>(std::stoul(text)) : 20240101u;
}

class Dice {
public:
    explicit Dice(unsigned seed) : engine_(seed) {}
    int Between(int low, int high) { return std::uniform_int_distribution(low, high)(engine_); }
    bool Chance(int percent) { return Between(1, 100) <= percent; }
    std::string Text(int low, int high) { return std::to_string(Between(low, high)); }

private:
    std::mt19937 engine_;
};

// The settings in force from one OK of the dialog to the next.
struct Period {
    long long FromMs = 0;
    long long ToMs = 0;
    DialogValues Form;  // what the user confirmed
    Settings Stored;    // the settings file as the program reads it at start-up
};

long long TimeOfDayMs(long long ms) {
    return ((ms % kDayMs) + kDayMs) % kDayMs;
}

// The alarm times of day the values can ring at, whatever the weekday.
std::vector<long long> AlarmTimesOfDay(const DialogValues& form) {
    std::vector<long long> times;
    const auto add = [&](const AlarmTimeFields& f) {
        if (!f.Hour.empty()) {
            times.push_back(
                ((std::stoll(f.Hour) * 60 + std::stoll(f.Minit)) * 60 + std::stoll(f.Second)) *
                kSecondMs);
        }
    };
    if (form.DayOrWeek == 0) {
        add(form.DayTime);
    } else {
        for (const AlarmTimeFields& f : form.WeekTime) {
            add(f);
        }
    }
    return times;
}

bool NearAlarmTime(const DialogValues& form, long long ms) {
    for (const long long t : AlarmTimesOfDay(form)) {
        const long long apart = TimeOfDayMs(ms - t);
        if (apart < kAlarmMarginMs || kDayMs - apart < kAlarmMarginMs) {
            return true;
        }
    }
    return false;
}

AlarmTimeFields RandomTime(Dice& dice, long long aroundMs, long long spreadMs) {
    const long long ms =
        TimeOfDayMs(aroundMs + dice.Between(static_cast<int>(-spreadMs / kSecondMs),
                                            static_cast<int>(spreadMs / kSecondMs)) *
                                   kSecondMs);
    return {std::to_string(ms / kHourMs), std::to_string(ms / kMinuteMs % 60),
            std::to_string(ms / kSecondMs % 60)};
}

std::string RandomDays(Dice& dice) {
    std::string days;
    for (int n = dice.Between(0, 2); n > 0; --n) {
        days += (days.empty() ? "" : ",") + dice.Text(1, 31);
    }
    return days;
}

// What a user might change in the dialog, every field within what the
// dialog accepts. The alarm is mostly set for a time before the next change
// `untilMs`, so that most periods ring. Weekday times stay within three
// hours of each other, so two alarms are always most of a day apart and no
// ringing, with its snooze pauses, runs into the next alarm. No alarm time
// comes near `nowMs`.
void EditSettings(DialogValues& f, Dice& dice, long long nowMs, long long untilMs) {
    f.Alarm = dice.Chance(15) ? 0 : dice.Between(1, 2);
    f.DayOrWeek = dice.Between(0, 1);
    const int soonMinutes = static_cast<int>((untilMs - nowMs) / kMinuteMs);
    do {
        const long long base = dice.Chance(75) ? nowMs + dice.Between(1, soonMinutes) * kMinuteMs
                                               : dice.Between(0, 24 * 60 - 1) * kMinuteMs;
        f.DayTime = RandomTime(dice, base, 0);
        for (AlarmTimeFields& day : f.WeekTime) {
            day = dice.Chance(15) ? AlarmTimeFields{"", "", ""}
                                  : RandomTime(dice, base, 3 * kHourMs / 2);
        }
    } while (NearAlarmTime(f, nowMs));
    f.SnoozeMinit = dice.Text(1, 10);
    f.ResumeTime = dice.Between(0, 4);
    f.FirstVolume = dice.Between(0, 100);
    f.VolumeUp = dice.Chance(50);
    f.MaxVolume = dice.Between(0, 100);
    f.BeforeSoundNo = dice.Between(0, f.AlarmSoundCount() - 1);
    f.BeforeSoundNoRandom = dice.Chance(20);
    f.AlarmJiho = dice.Chance(30);
    f.HowTo = 0;
    f.Word = dice.Chance(20) ? kWordNone : dice.Between(kWordOwn + 1, kLastPresetWord);
    f.NoAlarmHoliday = dice.Chance(40);
    f.NoAlarmMonthEnd = dice.Chance(20);
    f.DayOfMonth = RandomDays(dice);
    f.Day = RandomDays(dice);

    f.Jiho = dice.Chance(85) ? 1 : 0;
    f.JihoMode = dice.Chance(70) ? 0 : 1;
    f.JihoIntervalMinit = dice.Chance(50) ? dice.Text(1, 59) : dice.Chance(50) ? "15" : "1";
    f.JihoIntervalHour = dice.Text(1, 23);
    f.JihoVolume = dice.Between(0, 100);
    for (JihoRangeFields& r : f.Ranges) {
        r = dice.Chance(50) ? JihoRangeFields{dice.Text(0, 23), dice.Text(0, 59), dice.Text(0, 23),
                                              dice.Text(0, 59), dice.Between(0, 100)}
                            : JihoRangeFields{};
    }
    f.GobiNo = dice.Between(0, 6);
    f.JihoBeforeSoundNo = dice.Between(0, f.JihoSoundCount() - 1);
    // The announcement ahead of the mark moves the signal by its own
    // measured length; the marks here are checked without it.
    f.SpeakBeforeSound = false;
}

// The marks of the values, worked out from the fields as typed.
bool IsMark(const DialogValues& f, long long ms) {
    const long long clock = TimeOfDayMs(ms);
    if (clock % kMinuteMs != 0) {
        return false;
    }
    const long long minute = clock / kMinuteMs % 60;
    const long long hour = clock / kHourMs;
    return f.JihoMode == 0 ? minute % std::stoll(f.JihoIntervalMinit) == 0
                           : minute == 0 && hour % std::stoll(f.JihoIntervalHour) == 0;
}

// The first tick that may speak for the mark: the one heard on its second,
// or, with the tone that must end on the mark, three seconds earlier.
long long TestFrom(const DialogValues& f, long long mark) {
    const long long ahead =
        f.JihoBeforeSoundNo == kJihoToneSound ? kJihoToneLeadSeconds * kSecondMs : 0;
    return mark - ahead - kSoundStartLatencyMs;
}

// The signal's volume at the clock it starts at: the first range in use that
// holds that minute (both ends count, a range may run over midnight), else
// the usual one.
int SignalVolume(const DialogValues& f, long long ms) {
    const long long minute = TimeOfDayMs(ms) / kMinuteMs;
    for (const JihoRangeFields& r : f.Ranges) {
        if (r.StartHour.empty()) {
            continue;
        }
        const long long from = std::stoll(r.StartHour) * 60 + std::stoll(r.StartMinit);
        const long long to = std::stoll(r.EndHour) * 60 + std::stoll(r.EndMinit);
        if (from <= to ? from <= minute && minute <= to : minute >= from || minute <= to) {
            return r.Volume;
        }
    }
    return f.JihoVolume;
}

// The period a moment falls in; null before the first change.
const Period* PeriodAt(const std::vector<Period>& periods, long long ms) {
    for (const Period& p : periods) {
        if (ms >= p.FromMs && ms < p.ToMs) {
            return &p;
        }
    }
    return nullptr;
}

// The faults found, by invariant, the first few of each kept in full.
class Faults {
public:
    void Add(const std::string& invariant, const std::string& what) {
        std::vector<std::string>& list = found_[invariant];
        if (list.size() < 8) {
            list.push_back(what);
        }
        ++counts_[invariant];
    }
    void Report() const {
        for (const auto& [invariant, list] : found_) {
            std::string text;
            for (const std::string& what : list) {
                text += "\n  " + what;
            }
            ADD_FAILURE() << invariant << ": " << counts_.at(invariant) << " times" << text;
        }
    }

private:
    std::map<std::string, std::vector<std::string>> found_;
    std::map<std::string, int> counts_;
};

// How a soak's clock runs: shown, or hidden (in the tray only), and with its
// tick sleeping while idle, as the program's does, or on every 100 ms.
struct SoakClock {
    bool Hidden = false;
    bool IdleSleep = true;
};

// A week of the real tick, the settings changed every few hours through the
// dialog's OK and the user's own master level changed with them, the user
// stopping every ringing after a while. Checked over the whole week: every
// alarm rings once, every time-signal mark is spoken once at its volume,
// the user's level and mute come back, and no ringing leaves state behind.
// The journal's lines go to `journal`, and to `counts` the ticks run and
// the draws that moved the clock's hands.
struct SoakCounts {
    long long Ticks = 0;
    long long HandMoves = 0;
};
void SoakWeek(SoakClock clock, std::vector<std::string>* journal = nullptr,
              SoakCounts* counts = nullptr) {
    const unsigned seed = SoakSeed();
    SCOPED_TRACE("seed " + std::to_string(seed) + " (VELMORA_SOAK_SEED replays another)");
    Dice dice(seed);
    std::vector<std::string> ini = {"[Jiho]", "Use=0", "[Alarm]", "Use=0", "Snooze=0"};
    if (clock.Hidden) {
        ini.insert(ini.end(), {"[Clock]", "Show=0"});
    }
    SimHarness harness(ini);
    const long long start = At("2024/01/01 0:00:00");
    // The week and the half minute after it, for its last mark to be over.
    const long long end = start + 7 * kDayMs + 30 * kSecondMs + 50;
    double userLevel = 40;
    const long long stopAfterMs = dice.Between(2, 40) * kSecondMs + dice.Between(0, 9) * 100;
    auto sim = harness.Start("2024/01/01 0:00:00", "2024/01/08 0:00:30", [&](SimulationConfig& c) {
        // The program's own tick phase and output latency.
        c.IdealTicks = false;
        c.AudibleLeadMs = kSoundStartLatencyMs;
        c.StopAfterMs = stopAfterMs;
        c.UtteranceMs = dice.Between(800, 3000);
        c.UserVolume = userLevel;
        c.IdleSleep = clock.IdleSleep;
    });
    std::vector<bool> answers;
    while (answers.size() < 3 && (answers.empty() || dice.Chance(60))) {
        answers.push_back(dice.Chance(50));
    }
    answers.push_back(true);  // the snooze ends at the latest there
    sim->User().SetAnswers(answers);
    bool userMuted = false;
    NoReadingService converter;
    Faults faults;

    // A moment is quiet when the clock has not rung or spoken for a while:
    // whatever the program set must have been given back by then.
    const auto quiet = [&](long long now) {
        if (sim->State().Ringing) {
            return false;
        }
        const auto& events = sim->Log().Events();
        for (auto e = events.rbegin(); e != events.rend() && e->Ms > now - kBusyMs; ++e) {
            if (e->Name != "RESTORE" && e->Name != "ARM" && e->Name != "OFF") {
                return false;
            }
        }
        return true;
    };
    const auto checkRestored = [&](long long now) {
        const ClockState& s = sim->State();
        const std::string at = FormatSimMoment(now);
        if (sim->Output().Level() != userLevel || sim->Output().Muted() != userMuted ||
            sim->Volume().VolumeChanged() || sim->Volume().MuteChanged()) {
            faults.Add("user's level and mute given back",
                       at + " level " + std::to_string(sim->Output().Level()) + " muted " +
                           std::to_string(sim->Output().Muted()) + ", the user's " +
                           std::to_string(userLevel) + " " + std::to_string(userMuted));
        }
        if (s.SnoozeWaiting || s.SnoozeStart != 0 || s.RampStart != 0 || s.AlarmUtteranceBusy ||
            s.SpeakPending || s.EscLatch || s.AlarmHeldAt != 0 || !s.MainTimerEnabled ||
            sim->Speech().Speaking() || sim->Menu().RingingLock() || sim->Window().Enlarged()) {
            faults.Add("no state left after ringing", at);
        }
        // The display is kept awake from the wake moment until the ringing
        // ends, never before.
        if (sim->Awake().Inhibited() && !(s.WakeTime > 0 && now >= MomentMs(s.WakeTime))) {
            faults.Add("display kept awake only for an alarm", at);
        }
    };

    std::vector<Period> periods;
    const IniFile stored(harness.DataFolder() + kSettingsFileName);
    long long nextChange = start + kMinuteMs;
    long long lastWokenChange = 0;
    // The last change switches the alarm off, so that nothing rings on past
    // the end of the week.
    const long long lastChange = end - 2 * kHourMs;
    for (long long now = start + 30 * kSecondMs + 50; now <= end; now += kMinuteMs) {
        sim->RunUntil(now);
        if (!quiet(now)) {
            continue;
        }
        checkRestored(now);
        const bool last = !periods.empty() && periods.back().FromMs >= lastChange;
        // Now and then the user changes the settings after the display was
        // woken for the alarm and before it rings.
        const long long wake = MomentMs(sim->State().WakeTime);
        const bool woken = wake > 0 && now >= wake && wake != lastWokenChange && dice.Chance(50);
        if ((now < nextChange && !woken) || last ||
            (!periods.empty() && periods.back().Form.Alarm != 0 &&
             NearAlarmTime(periods.back().Form, now))) {
            continue;
        }
        const long long following = now + dice.Between(2 * 60, 6 * 60) * kMinuteMs;
        DialogValues form = sim->OpenSettings(converter);
        EditSettings(form, dice, now, following);
        if (now >= lastChange) {
            form.Alarm = 0;
        }
        if (!sim->ConfirmSettings(form)) {
            ADD_FAILURE() << FormatSimMoment(now) << " the dialog refused values it offers: "
                          << sim->MainWindow().Shown().back();
            return;
        }
        if (!periods.empty()) {
            periods.back().ToMs = now;
        }
        periods.push_back({now, end, form, LoadSettings(stored, harness.DataFolder(), converter)});
        // The user sets the master level (and the mute) to taste meanwhile.
        userLevel = dice.Between(0, 100);
        userMuted = dice.Chance(10);
        sim->Output().SetLevel(userLevel);
        sim->Output().SetMute(userMuted);
        nextChange = following;
        lastWokenChange = woken ? wake : lastWokenChange;
    }
    ASSERT_FALSE(periods.empty());
    EXPECT_TRUE(quiet(end));
    checkRestored(end);

    // The ringings, from their start to their end.
    std::vector<std::pair<long long, long long>> ringings;
    for (const SimEvent& e : sim->Log().Events()) {
        if (e.Name == "ALARM-START") {
            ringings.emplace_back(e.Ms, end);
        } else if (e.Name == "ALARM-END" && !ringings.empty()) {
            ringings.back().second = e.Ms;
        }
    }
    EXPECT_EQ(Named(*sim, "ALARM-END").size(), ringings.size());

    // 1. Every alarm day rings once: the alarm moments of each period's
    // stored settings, planned apart from the tick, against the starts.
    const HolidayCalendar holidays = HolidayCalendar::ForDataFolder(harness.DataFolder());
    std::vector<long long> alarms;
    for (const Period& p : periods) {
        if (p.Form.Alarm == 0) {
            continue;
        }
        const AlarmSchedule schedule(p.Stored, holidays);
        const DateTime from = static_cast<double>(p.FromMs) / kDayMs;
        const int days = static_cast<int>((p.ToMs - p.FromMs) / kDayMs) + 2;
        for (const AlarmDayPlan& day : schedule.PlanDays(from, days)) {
            if (day.Rings && MomentMs(*day.Rings) > p.FromMs && MomentMs(*day.Rings) < p.ToMs) {
                alarms.push_back(MomentMs(*day.Rings));
            }
        }
    }
    std::vector<int> rang(alarms.size(), 0);
    for (const auto& [started, ended] : ringings) {
        int matched = 0;
        for (size_t i = 0; i < alarms.size(); ++i) {
            if (started >= alarms[i] && started <= alarms[i] + kHeldAlarmMs) {
                ++rang[i];
                ++matched;
            }
        }
        if (matched != 1) {
            faults.Add("every alarm rings once", FormatSimMoment(started) + " rang for no alarm");
        }
    }
    for (size_t i = 0; i < alarms.size(); ++i) {
        if (rang[i] != 1) {
            faults.Add("every alarm rings once",
                       FormatSimMoment(alarms[i]) + " rang " + std::to_string(rang[i]) + " times");
        }
    }

    // 2. Every mark is spoken once, at its volume and with its words. While
    // the alarm rings, its snooze pauses included, the time signal keeps
    // quiet rather than talk over it, and a mark is tested only within its
    // own second (a time said later would be wrong): a mark whose second of
    // testing the ringing covers is gone for good, one whose second the
    // ringing covers in part may be spoken in the rest of it or not at all,
    // and every other mark must be spoken, once.
    std::map<long long, int> spoken;
    const auto& events = sim->Log().Events();
    for (size_t i = 0; i < events.size(); ++i) {
        if (events[i].Name != "JIHO") {
            continue;
        }
        const long long at = events[i].Ms;
        const long long mark = (at + kMinuteMs / 2) / kMinuteMs * kMinuteMs;
        const Period* in = PeriodAt(periods, mark);
        const std::string where = FormatSimMoment(at) + " for " + FormatSimMoment(mark);
        ++spoken[mark];
        if (in == nullptr || in->Form.Jiho != 1 || !IsMark(in->Form, mark)) {
            faults.Add("every mark spoken once", where + ": no mark");
            continue;
        }
        const Period& p = *in;
        const long long testFrom = TestFrom(p.Form, mark);
        // A tick tests the mark with the clock it read at its start. An
        // earlier step of it may have waited on the alarm's words until the
        // user's STOP ended the ringing: the signal follows then, late.
        const bool afterStop =
            std::any_of(ringings.begin(), ringings.end(), [&](const auto& ringing) {
                return ringing.first < testFrom + kSecondMs && ringing.second >= testFrom &&
                       ringing.second <= at && at < ringing.second + kSecondMs;
            });
        if (at < testFrom || (at >= testFrom + kSecondMs && !afterStop)) {
            faults.Add("every mark spoken once", where + ": off its second");
        }
        const DateTime markTime = static_cast<double>(mark) / kMsPerDay;
        if (events[i].Details != "text=" + TimePhrase(markTime) + p.Stored.Gobi) {
            faults.Add("every mark spoken once", where + ": " + events[i].Details);
        }
        const std::string volume =
            "percent=" + std::to_string(SignalVolume(p.Form, testFrom + kSoundStartLatencyMs));
        if (i == 0 || events[i - 1].Name != "VOLUME" || events[i - 1].Details != volume) {
            faults.Add("signal at its volume", where + ": not " + volume);
        }
    }
    for (const Period& p : periods) {
        if (p.Form.Jiho != 1) {
            continue;
        }
        for (long long mark = (p.FromMs / kMinuteMs + 1) * kMinuteMs; mark < p.ToMs;
             mark += kMinuteMs) {
            if (!IsMark(p.Form, mark)) {
                continue;
            }
            const long long testFrom = TestFrom(p.Form, mark);
            bool covered = false;
            for (const auto& [started, ended] : ringings) {
                covered = covered || (started < testFrom + kSecondMs && ended >= testFrom);
            }
            const int count = spoken.contains(mark) ? spoken.at(mark) : 0;
            if (count > 1 || (count == 0 && !covered)) {
                faults.Add("every mark spoken once",
                           FormatSimMoment(mark) + " spoken " + std::to_string(count) + " times");
            }
        }
    }
    for (const SimEvent& e : Named(*sim, "NOTICE")) {
        faults.Add("no message box", FormatSimMoment(e.Ms) + " " + e.Details);
    }
    faults.Report();
    if (journal != nullptr) {
        for (const SimEvent& e : sim->Log().Events()) {
            journal->push_back(FormatSimMoment(e.Ms) + " " + e.Name + " " + e.Details);
        }
    }
    if (counts != nullptr) {
        *counts = {sim->TicksRun(), sim->Window().Moves()};
    }
}

// The tick sleeps while nothing is due, with the clock shown until its hands
// next move: the week must sound and show the same, line for line of the
// journal, as with a tick every 100 ms, its hands moving on the same ticks,
// and the sleeping tick must have run less, a fifth at most with the clock
// in the tray only.
void ExpectTheSameWeekWithTheTickSleeping(bool hidden, double mostTicks) {
    std::vector<std::string> everyTick;
    std::vector<std::string> sleeping;
    SoakCounts awake;
    SoakCounts asleep;
    SoakWeek({.Hidden = hidden, .IdleSleep = false}, &everyTick, &awake);
    SoakWeek({.Hidden = hidden, .IdleSleep = true}, &sleeping, &asleep);
    ASSERT_FALSE(everyTick.empty());
    EXPECT_EQ(everyTick, sleeping);
    for (size_t i = 0; i < std::min(everyTick.size(), sleeping.size()); ++i) {
        if (everyTick[i] != sleeping[i]) {
            ADD_FAILURE() << "first difference, line " << i << ": " << everyTick[i] << " / "
                          << sleeping[i];
            break;
        }
    }
    EXPECT_EQ(asleep.HandMoves, awake.HandMoves);
    EXPECT_LT(static_cast<double>(asleep.Ticks), mostTicks * static_cast<double>(awake.Ticks))
        << asleep.Ticks << " of " << awake.Ticks;
}

TEST(WeekSoak, WithTheClockShownTheTickWaitsForItsHands) {
    ExpectTheSameWeekWithTheTickSleeping(false, 0.9);
}

TEST(WeekSoak, AnIdleTickSleepsWithoutChangingTheWeek) {
    ExpectTheSameWeekWithTheTickSleeping(true, 0.2);
}

}  // namespace
}  // namespace velmora::test
