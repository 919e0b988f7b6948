// How soon the key that says the time is heard: runs the real program on the
// display (an X11 session, so the key is grabbed), presses the key with
// xdotool as a user would and times, at the sound server's default sink,
// the first sample of the speech after each press. For scale it also times
// open_jtalk saying the same words into a file with the same voice data.
// Needs a display, a session bus and a running PulseAudio server
// (bench/now_time_key.sh provides them); prints figures, passes no judgement.
//   now_time_key_bench [--presses N]
#include <unistd.h>

#include <QCoreApplication>
#include <QProcess>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "DesktopUser.h"
#include "app/ProgramFolders.h"
#include "settings/Settings.h"
#include "support/SinkMonitor.h"

namespace {

using velmora::test::SinkMonitor;
using SteadyClock = SinkMonitor::Clock;
using std::chrono::milliseconds;

// About -50 dB of full scale: a null sink adds no noise.
constexpr int kSilence = 100;

double Ms(SteadyClock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// The first sample above the silence from `from` on, or npos.
std::size_t FirstSound(const SinkMonitor& monitor, std::size_t from) {
    const auto samples = monitor.Samples();
    for (std::size_t i = from; i < samples.size(); ++i) {
        if (std::abs(samples[i]) > kSilence) {
            return i;
        }
    }
    return std::string::npos;
}

// True once the last `quiet` of what the monitor holds is silent.
bool QuietFor(const SinkMonitor& monitor, milliseconds quiet) {
    const auto samples = monitor.Samples();
    const std::size_t span =
        velmora::test::MonitorSamples(std::chrono::duration<double>(quiet).count());
    if (samples.size() < span) {
        return false;
    }
    return std::none_of(samples.end() - static_cast<std::ptrdiff_t>(span), samples.end(),
                        [](std::int16_t s) { return std::abs(s) > kSilence; });
}

void PrintSummary(const char* what, std::vector<double> values) {
    if (values.empty()) {
        std::printf("%-44s no figures\n", what);
        return;
    }
    std::sort(values.begin(), values.end());
    std::printf("%-44s median %6.1f ms, best %6.1f, worst %6.1f (%zu)\n", what,
                values[values.size() / 2], values.front(), values.back(), values.size());
}

// open_jtalk reading the same words with Mei's normal voice into a file.
void TimeReference(const std::string& programFolder, const std::string& text) {
    const std::filesystem::path work = std::filesystem::temp_directory_path() / "velmora-key-ref";
    std::filesystem::create_directories(work);
    std::ofstream(work / "in.txt") << text << "\n";
    const std::string command = "open_jtalk -x /var/lib/mecab/dic/open-jtalk/naist-jdic -m '" +
                                programFolder + "htsvoice/mei_normal.htsvoice' -ow '" +
                                (work / "out.wav").string() + "' '" + (work / "in.txt").string() +
                                "' >/dev/null 2>&1";
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) {
        const auto start = SteadyClock::now();
        if (std::system(command.c_str()) != 0) {
            std::printf("open_jtalk did not run: no reference\n");
            return;
        }
        times.push_back(Ms(SteadyClock::now() - start));
    }
    PrintSummary("open_jtalk, the same words into a file", times);
    std::filesystem::remove_all(work);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int presses = 15;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--presses") == 0) {
            presses = std::max(1, static_cast<int>(std::strtol(argv[i + 1], nullptr, 10)));
        }
    }
    char pattern[] = "/tmp/velmora-key-bench.XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string home = std::string(pattern) + "/";
    const std::string runtime = home + "run";
    const std::string data = home + "Documents/ハルカゼ舎/VelmoraData/";
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    std::filesystem::create_directories(data);
    // No time signal to mistake for the key's words; the key is the default.
    std::ofstream(data + velmora::kSettingsFileName) << "[Jiho]\r\nUse=0\r\n";

    // 2 ms blocks: what the monitor records is dated as a 2 ms sound card
    // plays it.
    SinkMonitor monitor(2);
    std::string error;
    if (!monitor.Start(&error)) {
        std::printf("cannot record the sink's monitor: %s\n", error.c_str());
        return 1;
    }
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), QString::fromStdString(home));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(home + ".config"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(runtime));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("XDG_SESSION_TYPE"));
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    const std::string programFolder = velmora::FindProgramFolder() + "/";
    program.start(QString::fromStdString(programFolder + "velmora"), {});
    const DesktopUser user(program.processId());
    if (!program.waitForStarted(5000) ||
        !WaitFor(std::chrono::seconds(20), [&] { return user.ClockWindow().Found; })) {
        std::printf("the program did not come up\n");
        return 1;
    }
    // Past the deferred start-up step, as a user pressing the key would be.
    std::this_thread::sleep_for(std::chrono::seconds(12));

    std::printf("the key that says the time: %d presses, Ctrl+Alt+Shift+T\n", presses);
    std::vector<double> heard;
    std::vector<double> xdotool;
    for (int i = 0; i < presses; ++i) {
        WaitFor(std::chrono::seconds(10), [&] { return QuietFor(monitor, milliseconds(800)); });
        const auto pressed = SteadyClock::now();
        const std::size_t from = monitor.IndexAt(pressed);
        RunTool(QStringLiteral("xdotool"),
                {QStringLiteral("key"), QStringLiteral("ctrl+alt+shift+t")});
        xdotool.push_back(Ms(SteadyClock::now() - pressed));
        std::size_t onset = std::string::npos;
        WaitFor(std::chrono::seconds(5), [&] {
            onset = FirstSound(monitor, from);
            return onset != std::string::npos;
        });
        if (onset == std::string::npos) {
            std::printf("  press %2d: nothing heard\n", i + 1);
            continue;
        }
        heard.push_back(Ms(monitor.LeastDelayedTimeOf(onset) - pressed));
        std::printf("  press %2d: first sound %+6.1f ms after the key\n", i + 1, heard.back());
        std::fflush(stdout);
    }
    PrintSummary("key press to the first sound at the sink", heard);
    PrintSummary("of that, xdotool's own run (press included)", xdotool);
    std::printf("goal: median <= 250 ms\n");

    program.terminate();
    program.waitForFinished(15000);
    std::filesystem::remove_all(pattern);
    TimeReference(programFolder, "午前7時15分です。");
    return heard.empty() ? 1 : 0;
}
