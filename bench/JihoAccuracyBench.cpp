// How close to the mark the time signal is heard: runs the real program with
// a time signal every minute, records what the sound server plays (its
// default sink's monitor) and prints, for every mark, how far from the true
// minute boundary the 880 Hz tone of 時報音 starts, and without a before
// sound, the speech. Needs a display and a running PulseAudio server
// (bench/jiho_accuracy.sh provides both); prints figures, passes no
// judgement.
//
// With --soak the same program also rings an alarm every ten minutes, which
// the bench lets ring a few seconds, stops with Esc and sets ten minutes on
// through the settings dialog, as a user would; every minute it notes the
// program's resident memory, its windows and the sound server's streams, so
// that an hour shows what the program leaks while it keeps working.
//   jiho_accuracy_bench [--minutes N] [--mode tone|speech|both]
//                       [--soak [--alarm-every N] [--warm-up N]]
#include <unistd.h>

#include <QCoreApplication>
#include <QProcess>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "DesktopUser.h"
#include "app/ProgramFolders.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "support/SinkMonitor.h"

namespace {

using velmora::test::SinkMonitor;
using SteadyClock = SinkMonitor::Clock;
using SystemClock = std::chrono::system_clock;
using std::chrono::milliseconds;

// About -50 dB of full scale: a null sink adds no noise.
constexpr int kSilence = 100;

struct Options {
    int Minutes = 5;
    bool Tone = true;
    bool Speech = true;
    bool Soak = false;
    bool Hidden = false;  // the clock in the tray only, its tick sleeping while idle
    int AlarmEvery = 10;  // minutes between alarms in a soak
    int WarmUp = 5;       // minutes before memory growth is counted
};

// Alarms ring this long after their mark: clear of the time signal, which
// does not sound while an alarm rings.
constexpr std::chrono::seconds kAlarmAfterMark(15);
constexpr std::chrono::seconds kRinging(6);
// Where in each minute the footprint is taken: after any alarm round,
// before the next time signal's pips.
constexpr std::chrono::seconds kMeasureAfterMark(45);

// Wall-clock time of the steady clock's `t`, from one reading of both.
SystemClock::time_point ToWall(SteadyClock::time_point t) {
    const auto steadyNow = SteadyClock::now();
    const auto wallNow = SystemClock::now();
    return wallNow + std::chrono::duration_cast<SystemClock::duration>(t - steadyNow);
}

SteadyClock::time_point ToSteady(SystemClock::time_point t) {
    const auto wallNow = SystemClock::now();
    const auto steadyNow = SteadyClock::now();
    return steadyNow + std::chrono::duration_cast<SteadyClock::duration>(t - wallNow);
}

SystemClock::time_point NextMinute(SystemClock::time_point t) {
    const auto minutes = std::chrono::floor<std::chrono::minutes>(t);
    return minutes + std::chrono::minutes(1);
}

// Zero crossings a second over `samples` from `from`: enough to tell the
// 880 Hz tone from the 440 Hz pips.
double Frequency(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t count) {
    int crossings = 0;
    for (std::size_t i = from + 1; i < std::min(samples.size(), from + count); ++i) {
        if ((samples[i - 1] < 0) != (samples[i] < 0)) {
            ++crossings;
        }
    }
    return crossings * SinkMonitor::kRate / 2.0 / static_cast<double>(count);
}

struct Onset {
    bool Found = false;
    double OffsetMs = 0;  // from the mark; negative is early
    double Hz = 0;
};

Onset FindOnset(const SinkMonitor& monitor, SystemClock::time_point mark, milliseconds searchFrom,
                milliseconds searchTo) {
    const auto samples = monitor.Samples();
    const std::size_t from = monitor.IndexAt(ToSteady(mark + searchFrom));
    const std::size_t to = monitor.IndexAt(ToSteady(mark + searchTo));
    for (std::size_t i = from; i < std::min(to, samples.size()); ++i) {
        if (std::abs(static_cast<int>(samples[i])) > kSilence) {
            Onset onset;
            onset.Found = true;
            onset.OffsetMs = std::chrono::duration<double, std::milli>(
                                 ToWall(monitor.LeastDelayedTimeOf(i)) - mark)
                                 .count();
            onset.Hz = Frequency(samples, i + velmora::test::MonitorSamples(0.01),
                                 velmora::test::MonitorSamples(0.05));
            return onset;
        }
    }
    return {};
}

void WriteSettings(const std::string& data, bool tone, bool alarm, bool hidden) {
    std::filesystem::create_directories(data);
    std::ofstream ini(data + velmora::kSettingsFileName, std::ios::binary);
    // Every minute, at full volume, the chosen sound first; the alarm, when
    // asked for, every day, its time set before each round, the clock shown
    // to be double-clicked.
    ini << "[Jiho]\r\nUse=1\r\nMode=0\r\nMinitInterval=1\r\nVolume=100\r\n"
        << "BeforeSoundNo=" << (tone ? 5 : 0) << "\r\nSpeakBeforeSound=0\r\n"
        << "[Alarm]\r\nUse=" << (alarm ? 1 : 0) << "\r\nSnooze=0\r\nDayOrWeek=0\r\n"
        << "[Clock]\r\nShow=" << (hidden ? 0 : 1)
        << "\r\nOnMouseHide=0\r\n[VoiceNo]\r\nValue=0\r\n";
}

// Sets the every-day alarm to the local time of day of `at`.
bool SetAlarmTime(const std::string& iniPath, SystemClock::time_point at) {
    const std::time_t t = SystemClock::to_time_t(at);
    std::tm local{};
    localtime_r(&t, &local);
    velmora::IniFile ini(iniPath);
    return ini.WriteDateTime(
        "Alarm", "DayTime",
        velmora::kAlarmTimeDate + velmora::EncodeTime(local.tm_hour, local.tm_min, local.tm_sec));
}

void PrintSummary(const char* what, std::vector<double> offsets, int missed, const char* goal) {
    if (offsets.empty()) {
        std::printf("%-30s no onset found (%d marks missed)\n", what, missed);
        return;
    }
    std::vector<double> sorted = offsets;
    std::sort(sorted.begin(), sorted.end());
    const double median = sorted[sorted.size() / 2];
    const double worst =
        std::abs(sorted.front()) > std::abs(sorted.back()) ? sorted.front() : sorted.back();
    std::printf(
        "%-30s median %+7.1f ms, earliest %+7.1f ms, latest %+7.1f ms, worst %+7.1f ms "
        "(%zu marks, %d missed)  goal %s\n",
        what, median, sorted.front(), sorted.back(), worst, offsets.size(), missed, goal);
}

struct AlarmTally {
    int Due = 0;
    int Rang = 0;
    int Stopped = 0;
    int SetAgain = 0;
};

std::string LocalTimeText(SystemClock::time_point at) {
    const std::time_t t = SystemClock::to_time_t(at);
    std::tm local{};
    localtime_r(&t, &local);
    char text[16];
    std::strftime(text, sizeof text, "%H:%M:%S", &local);
    return text;
}

// One round: the alarm set for kAlarmAfterMark after `mark` rings (the clock
// grows to its ringing size), rings a few seconds, is stopped with Esc and,
// unless `next` is the mark it passes, is set for the same moment after
// `next` through the settings dialog.
void AlarmRound(const DesktopUser& user, const std::string& iniPath, SystemClock::time_point mark,
                SystemClock::time_point next, AlarmTally& tally) {
    ++tally.Due;
    const int normalWidth = user.ClockWindow().Width;
    std::this_thread::sleep_until(ToSteady(mark + kAlarmAfterMark - std::chrono::seconds(1)));
    const bool rang =
        WaitFor(milliseconds(10000), [&] { return user.ClockWindow().Width > normalWidth; });
    const double rangAt = std::chrono::duration<double>(SystemClock::now() - mark).count();
    bool stopped = false;
    if (rang) {
        ++tally.Rang;
        std::this_thread::sleep_for(kRinging);
        user.PressEscape();
        stopped =
            WaitFor(milliseconds(5000), [&] { return user.ClockWindow().Width <= normalWidth; });
        tally.Stopped += stopped ? 1 : 0;
    }
    std::string setAgain = "not set again (the last round)";
    if (next != mark) {
        const bool set = SetAlarmTime(iniPath, next + kAlarmAfterMark) && user.ConfirmSettings();
        tally.SetAgain += set ? 1 : 0;
        setAgain =
            set ? "set for " + LocalTimeText(next + kAlarmAfterMark) + " with the dialog's OK"
                : "NOT set again (the dialog did not come or go)";
    }
    if (rang) {
        std::printf("    alarm rang at +%.1f s, %s with Esc; %s\n", rangAt,
                    stopped ? "stopped" : "NOT stopped", setAgain.c_str());
    } else {
        std::printf("    alarm did NOT ring by +%.1f s; %s\n", rangAt, setAgain.c_str());
    }
}

void PrintFootprint(int minute, const DesktopUser::Footprint& f) {
    std::printf(
        "    minute %2d: VmRSS %ld KiB (anon %ld, file %ld, shmem %ld); windows %d (%d shown), "
        "display %d; sink-inputs %d, source-outputs %d, clients %d\n",
        minute, f.ResidentKiB, f.AnonKiB, f.FileKiB, f.ShmemKiB, f.Windows, f.ShownWindows,
        f.RootChildren, f.SinkInputs, f.SourceOutputs, f.Clients);
}

void PrintSoakSummary(const std::vector<DesktopUser::Footprint>& samples, int warmUp,
                      const AlarmTally& tally) {
    std::printf("alarms: %d due, %d rang, %d stopped with Esc, %d set again with the dialog\n",
                tally.Due, tally.Rang, tally.Stopped, tally.SetAgain);
    if (samples.size() <= static_cast<std::size_t>(warmUp)) {
        std::printf("too short for the memory figures: %zu minutes, %d of warm-up\n",
                    samples.size(), warmUp);
        return;
    }
    const auto& first = samples.front();
    const auto& warm = samples[static_cast<std::size_t>(warmUp)];
    const auto& last = samples.back();
    long highest = warm.ResidentKiB;
    for (std::size_t i = static_cast<std::size_t>(warmUp); i < samples.size(); ++i) {
        highest = std::max(highest, samples[i].ResidentKiB);
    }
    const long growth = last.ResidentKiB - warm.ResidentKiB;
    std::printf(
        "VmRSS: %ld KiB at minute 0, %ld KiB after %d minutes of warm-up, %ld KiB at minute "
        "%zu, highest after warm-up %ld KiB\n",
        first.ResidentKiB, warm.ResidentKiB, warmUp, last.ResidentKiB, samples.size() - 1, highest);
    std::printf("growth after warm-up: %+ld KiB (highest %+ld KiB)  goal < 1024 KiB: %s\n", growth,
                highest - warm.ResidentKiB,
                growth < 1024 && highest - warm.ResidentKiB < 1024 ? "met" : "NOT met");
    std::printf("of the growth: anon %+ld KiB, file %+ld KiB, shmem %+ld KiB\n",
                last.AnonKiB - warm.AnonKiB, last.FileKiB - warm.FileKiB,
                last.ShmemKiB - warm.ShmemKiB);
    const auto row = [](const char* what, int a, int b, int c) {
        std::printf("%-32s minute 0: %3d  after warm-up: %3d  end: %3d  %s\n", what, a, b, c,
                    c == b ? "no leak" : (c > b ? "LEAK?" : "fewer"));
    };
    row("program's windows", first.Windows, warm.Windows, last.Windows);
    row("program's shown windows", first.ShownWindows, warm.ShownWindows, last.ShownWindows);
    row("top-level windows on the display", first.RootChildren, warm.RootChildren,
        last.RootChildren);
    row("sink-inputs", first.SinkInputs, warm.SinkInputs, last.SinkInputs);
    row("source-outputs", first.SourceOutputs, warm.SourceOutputs, last.SourceOutputs);
    row("clients", first.Clients, warm.Clients, last.Clients);
}

bool RunOne(const Options& options, bool tone) {
    const char* label = tone ? "tone (時報音)" : "speech, no before sound";
    char pattern[] = "/tmp/velmora-jiho-bench.XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        std::perror("mkdtemp");
        return false;
    }
    const std::string home = std::string(pattern) + "/";
    const std::string runtime = home + "run";
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    const std::string data = home + "Documents/ハルカゼ舎/VelmoraData/";
    const std::string iniPath = data + velmora::kSettingsFileName;
    WriteSettings(data, tone, options.Soak, options.Hidden);

    // 2 ms blocks: the null sink mixes at most that far ahead of its clock,
    // so what the monitor records is dated as a 2 ms sound card plays it.
    SinkMonitor monitor(2);
    std::string error;
    if (!monitor.Start(&error)) {
        std::printf("cannot record the sink's monitor: %s\n", error.c_str());
        return false;
    }
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), QString::fromStdString(home));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(home + ".config"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(runtime));
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(QString::fromStdString(velmora::FindProgramFolder() + "/velmora"), {});
    if (!program.waitForStarted(5000)) {
        std::printf("the program did not start\n");
        return false;
    }
    // The first mark that leaves the program time to come up.
    SystemClock::time_point mark = NextMinute(SystemClock::now() + std::chrono::seconds(8));
    // The first alarm comes a minute after the first mark: the program's
    // deferred start-up step is over by then.
    if (options.Soak && !SetAlarmTime(iniPath, mark + std::chrono::minutes(1) + kAlarmAfterMark)) {
        std::printf("cannot set the alarm in %s\n", iniPath.c_str());
        return false;
    }
    const DesktopUser user(program.processId());
    std::vector<DesktopUser::Footprint> samples;
    AlarmTally tally;
    std::printf("%s: %d marks, the first at +%.0f s\n", label, options.Minutes,
                std::chrono::duration<double>(mark - SystemClock::now()).count());
    std::fflush(stdout);
    std::vector<double> offsets;
    int missed = 0;
    for (int i = 0; i < options.Minutes; ++i, mark += std::chrono::minutes(1)) {
        std::this_thread::sleep_until(ToSteady(mark + std::chrono::seconds(3)));
        // The pips end 900 ms before the mark; the speech may come a little
        // before its mark only if something is wrong, so look there too.
        const Onset onset = tone ? FindOnset(monitor, mark, milliseconds(-500), milliseconds(600))
                                 : FindOnset(monitor, mark, milliseconds(-500), milliseconds(1500));
        if (!onset.Found || (tone && onset.Hz < 660)) {
            ++missed;
            std::printf("  mark %d: %s\n", i + 1, onset.Found ? "no tone (a pip?)" : "silent");
        } else if (tone) {
            // The first pip starts the sound three seconds before the tone:
            // a gap other than 3000 ms means the output broke off or skipped.
            const Onset pip = FindOnset(monitor, mark, milliseconds(-3500), milliseconds(-2500));
            offsets.push_back(onset.OffsetMs);
            std::printf("  mark %d: %+7.1f ms (%.0f Hz), the first pip %+.1f ms before it\n", i + 1,
                        onset.OffsetMs, onset.Hz, onset.OffsetMs - pip.OffsetMs);
        } else {
            offsets.push_back(onset.OffsetMs);
            std::printf("  mark %d: %+7.1f ms\n", i + 1, onset.OffsetMs);
        }
        if (options.Soak) {
            if (i >= 1 && (i - 1) % options.AlarmEvery == 0) {
                const int nextRound = i + options.AlarmEvery;
                AlarmRound(
                    user, iniPath, mark,
                    nextRound < options.Minutes ? mark + std::chrono::minutes(nextRound - i) : mark,
                    tally);
            }
            std::this_thread::sleep_until(ToSteady(mark + kMeasureAfterMark));
            samples.push_back(user.Measure());
            PrintFootprint(i, samples.back());
        }
        std::fflush(stdout);
    }
    program.terminate();
    if (!program.waitForFinished(5000)) {
        program.kill();
        program.waitForFinished(5000);
    }
    monitor.Stop();
    std::filesystem::remove_all(home);
    PrintSummary(label, offsets, missed, tone ? "±20 ms" : "0..20 ms");
    if (options.Soak) {
        PrintSoakSummary(samples, options.WarmUp, tally);
    }
    return !offsets.empty();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Options options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--minutes") == 0 && i + 1 < argc) {
            options.Minutes = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--mode") == 0 && i + 1 < argc) {
            const std::string mode = argv[++i];
            options.Tone = mode != "speech";
            options.Speech = mode != "tone";
        } else if (std::strcmp(argv[i], "--soak") == 0) {
            options.Soak = true;
        } else if (std::strcmp(argv[i], "--hidden") == 0) {
            options.Hidden = true;
        } else if (std::strcmp(argv[i], "--alarm-every") == 0 && i + 1 < argc) {
            options.AlarmEvery = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--warm-up") == 0 && i + 1 < argc) {
            options.WarmUp = std::max(0, std::atoi(argv[++i]));
        } else {
            std::printf(
                "usage: jiho_accuracy_bench [--minutes N] [--mode tone|speech|both] [--hidden]\n"
                "                           [--soak [--alarm-every N] [--warm-up N]]\n");
            return 2;
        }
    }
    bool ok = true;
    if (options.Tone) {
        ok = RunOne(options, true) && ok;
    }
    if (options.Speech) {
        ok = RunOne(options, false) && ok;
    }
    return ok ? 0 : 1;
}
