// How close to the mark the time signal is heard: runs the real program with
// a time signal every minute, records what the sound server plays (its
// default sink's monitor) and prints, for every mark, how far from the true
// minute boundary the 880 Hz tone of 時報音 starts, and without a before
// sound, the speech. Needs a display and a running PulseAudio server
// (bench/jiho_accuracy.sh provides both); prints figures, passes no
// judgement.
//   jiho_accuracy_bench [--minutes N] [--mode tone|speech|both]
#include <unistd.h>

#include <QCoreApplication>
#include <QProcess>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "app/ProgramFolders.h"
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
};

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

void WriteSettings(const std::string& data, bool tone) {
    std::filesystem::create_directories(data);
    std::ofstream ini(data + "Settei.ini", std::ios::binary);
    // Every minute, at full volume, the chosen sound first; no alarm.
    ini << "[Jiho]\r\nUse=1\r\nMode=0\r\nMinitInterval=1\r\nVolume=100\r\n"
        << "BeforeSoundNo=" << (tone ? 5 : 0) << "\r\nSpeakBeforeSound=0\r\n"
        << "[Alarm]\r\nUse=0\r\n[VoiceNo]\r\nValue=0\r\n";
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
    WriteSettings(home + "Documents/ハルカゼ舎/VelmoraData/", tone);

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
        std::fflush(stdout);
    }
    program.terminate();
    if (!program.waitForFinished(5000)) {
        program.kill();
        program.waitForFinished(5000);
    }
    monitor.Stop();
    std::filesystem::remove_all(home);
    PrintSummary(label, offsets, missed, tone ? "±20 ms" : "0..150 ms");
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
        } else {
            std::printf("usage: jiho_accuracy_bench [--minutes N] [--mode tone|speech|both]\n");
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
