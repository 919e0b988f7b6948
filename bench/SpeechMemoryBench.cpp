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
#include <fstream>
#include <string>
#include <vector>

#include "app/AppFolders.h"
#include "app/Notices.h"
#include "app/QtEventPump.h"
#include "base/SystemMillisecondClock.h"
#include "settings/IniFile.h"
#include "sound/BeforeSoundLists.h"
#include "sound/BeforeSoundPlayer.h"
#include "sound/qt/QtSoundDevice.h"
#include "sound/qt/SoundFilePlayer.h"
#include "sound/sndfile/SndfileWaveReader.h"
#include "speech/IdleSpeakContext.h"
#include "speech/SpeechPlayer.h"
#include "speech/VoiceLibraries.h"

namespace {

using Clock = std::chrono::steady_clock;

// Short, so a thousand rounds take minutes rather than an hour.
constexpr const char* kText = "は'い。";
constexpr int kSpeed = 300;
// The running program's tick.
constexpr int kTickMs = 100;

class PrintedNotices final : public velmora::Notices {
public:
    void ShowNotice(const std::string& text) override {
        std::printf("notice: %s\n", text.c_str());
        ++count;
    }
    void ShowMessage(const std::string& text) override {
        std::printf("message: %s\n", text.c_str());
        ++count;
    }
    int count = 0;
};

class ExitOnMissingVoice final : public velmora::FatalNotice {
public:
    void ShowAndExit(const std::string& message) override {
        std::printf("%s\n", message.c_str());
        std::exit(1);
    }
};

long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

void PrintResident(const char* when, long startKiB, Clock::time_point start) {
    const long kib = ResidentKiB();
    std::printf("%-26s VmRSS %7ld KiB  (%+6ld KiB from start)  %6.1f s\n", when, kib,
                kib - startKiB, std::chrono::duration<double>(Clock::now() - start).count());
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int utterances = argc > 1 ? std::max(std::atoi(argv[1]), 2) : 1000;

    const std::string programFolder = velmora::FindProgramFolder();
    velmora::IniFile ini("/nonexistent/Settei.ini");
    const auto lists = velmora::BuildBeforeSoundLists(programFolder, ini, 14, 6);
    velmora::SystemMillisecondClock ticks;
    PrintedNotices notices;
    velmora::SoundFilePlayer beforePlayer;
    velmora::BeforeSoundPlayer before(beforePlayer, lists, ticks, notices);
    velmora::QtSoundDevice device;
    ExitOnMissingVoice fatal;
    velmora::VoiceLibraries voices(programFolder, fatal);
    velmora::SndfileWaveReader reader;
    velmora::QtEventPump pump;
    velmora::IdleSpeakContext context;
    velmora::SpeechPlayer speech({device, voices, before, pump, reader, notices, context, ""});
    device.Open();

    std::printf("text: %s  speed %d  %d utterances, voices f1..r2 in turn\n", kText, kSpeed,
                utterances);
    const auto start = Clock::now();
    const long startKiB = ResidentKiB();
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
    std::printf("failed Speak calls: %d, notices: %d\n", failed, notices.count);
    return failed == 0 ? 0 : 1;
}
