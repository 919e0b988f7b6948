// Resident memory of the speech path over many utterances: the voices, Speak
// and the sound device wired as the running program wires them, each
// utterance played to its end before the next, the six voices in turn. The
// voices' own memory over synthesis alone is voice_bench's; this adds the
// copy into the sound channel, the channel's start and its release. Needs a
// running PulseAudio server (bench/idle_bench.sh or scripts/lib/services.sh
// provides one); without one the utterances are synthesized but not heard.
// Usage: speech_memory_bench [UTTERANCES]   (default 1000)
#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchSpeechPath.h"
#include "speech/SpeechPlayer.h"

namespace {

using Clock = std::chrono::steady_clock;

// Short, so a thousand rounds take minutes rather than an hour.
constexpr const char* kText = "は'い。";
constexpr int kSpeed = 300;
// The running program's tick.
constexpr int kTickMs = 100;

void PrintResident(const char* when, long startKiB, Clock::time_point start) {
    const long kib = velmora::bench::ResidentKiB();
    std::printf("%-26s VmRSS %7ld KiB  (%+6ld KiB from start)  %6.1f s\n", when, kib,
                kib - startKiB, std::chrono::duration<double>(Clock::now() - start).count());
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int utterances = argc > 1 ? std::max(std::atoi(argv[1]), 2) : 1000;

    velmora::bench::SpeechPath path;
    velmora::SpeechPlayer& speech = path.speech;
    path.device.Open();

    std::printf("text: %s  speed %d  %d utterances, voices f1..r2 in turn\n", kText, kSpeed,
                utterances);
    const auto start = Clock::now();
    const long startKiB = velmora::bench::ResidentKiB();
    PrintResident("at start", startKiB, start);

    const std::vector<int> marks = {1, velmora::kVoiceCount, 100, utterances / 2, utterances};
    int spoken = 0;
    int failed = 0;
    // As in the running program: a 100 ms timer of the event loop looks at
    // the channel and starts the next utterance once it has fallen silent,
    // so whatever the sound path leaves to the event loop is done there too.
    QTimer tick;
    tick.setInterval(kTickMs);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        if (speech.SpeechChannelStatus(velmora::kSpeechChannel) != velmora::kChannelIdle) {
            return;
        }
        if (std::find(marks.begin(), marks.end(), spoken) != marks.end()) {
            const std::string when =
                "after " + std::to_string(spoken) + " utterance" + (spoken == 1 ? "" : "s");
            PrintResident(when.c_str(), startKiB, start);
        }
        if (spoken == utterances) {
            tick.stop();
            QCoreApplication::quit();
            return;
        }
        const int voice = spoken % velmora::kVoiceCount;
        if (speech.Speak({.Voice = voice, .Text = kText, .Speed = kSpeed}) !=
            velmora::kSpeakStarted) {
            ++failed;
        }
        ++spoken;
    });
    tick.start();
    QCoreApplication::exec();
    std::printf("failed Speak calls: %d, notices: %d\n", failed, path.notices.count);
    return failed == 0 ? 0 : 1;
}
