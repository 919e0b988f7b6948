// Latency of what the user hears: from Speak to the first non-silent sample
// at the sound server's monitor for the time phrase in each of the six
// voices, and from the start of a
// before sound to its first sample. Needs a running PulseAudio server
// (scripts/lib/services.sh starts one with a null sink); prints figures.
#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchSpeechPath.h"
#include "app/QtEventPump.h"
#include "sound/BeforeSoundPlayer.h"
#include "sound/qt/QtMediaPlayer.h"
#include "speech/SpeechPlayer.h"
#include "speech/VoiceLibraries.h"
#include "support/SinkMonitor.h"

namespace {

using velmora::test::SinkMonitor;
using Clock = SinkMonitor::Clock;

constexpr const char* kTimePhrase =
    "ご'ぜん/<NUMK VAL=10 COUNTER=じ>/<NUMK VAL=15 COUNTER=ふん>+で'す。";
constexpr int kRounds = 10;
// About -50 dB of full scale: a null sink adds no noise, so anything above
// this is the sound itself.
constexpr int kSilence = 100;

// Milliseconds from `start` to the first sample above the silence level
// that the monitor received after `start`; -1 when none did.
double FirstSoundAfter(const SinkMonitor& monitor, Clock::time_point start) {
    const auto samples = monitor.Samples();
    for (size_t i = monitor.IndexAt(start); i < samples.size(); ++i) {
        if (std::abs(static_cast<int>(samples[i])) > kSilence) {
            return std::chrono::duration<double, std::milli>(monitor.TimeOf(i) - start).count();
        }
    }
    return -1;
}

void Report(const char* what, std::vector<double> ms, const char* target) {
    const double first = ms.front();
    std::sort(ms.begin() + 1, ms.end());
    std::printf(
        "%-44s first %6.1f ms, then median %6.1f ms, best %6.1f, worst %6.1f (%d rounds)"
        "  target %s\n",
        what, first, ms[1 + (ms.size() - 1) / 2], ms[1], ms.back(), kRounds, target);
}

void Settle(velmora::QtEventPump& pump, int ms) {
    const auto until = Clock::now() + std::chrono::milliseconds(ms);
    while (Clock::now() < until) {
        pump.ProcessEvents();
    }
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    SinkMonitor monitor;
    std::string error;
    if (!monitor.Start(&error)) {
        std::printf("cannot record the sink's monitor: %s\n", error.c_str());
        return 1;
    }
    velmora::bench::SpeechPath path;
    velmora::SpeechPlayer& speech = path.speech;
    velmora::QtEventPump& pump = path.pump;

    // Each voice is a library of its own, loaded on its first utterance: the
    // first round of each includes that load.
    const auto timeSpeak = [&](int voice, std::vector<double>& call) {
        std::vector<double> ms;
        for (int round = 0; round < kRounds; ++round) {
            const auto start = Clock::now();
            speech.Speak({.Voice = voice, .Text = kTimePhrase, .Speed = 120});
            call.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            while (speech.SpeechChannelStatus(velmora::kSpeechChannel) != velmora::kChannelIdle) {
                pump.ProcessEvents();
            }
            Settle(pump, 300);
            ms.push_back(FirstSoundAfter(monitor, start));
        }
        return ms;
    };
    std::vector<std::vector<double>> speak;
    std::vector<std::vector<double>> speakCall(velmora::kVoiceCount);
    for (int voice = 0; voice < velmora::kVoiceCount; ++voice) {
        speak.push_back(timeSpeak(voice, speakCall[static_cast<size_t>(voice)]));
    }

    const auto timeBeforeSounds = [&](velmora::BeforeSoundPlayer& player) {
        std::vector<double> ms;
        for (int round = 0; round < kRounds; ++round) {
            const auto start = Clock::now();
            player.PlayBeforeSound(4, false);  // ピコ
            while (player.BeforeSoundPlaying()) {
                pump.ProcessEvents();
            }
            Settle(pump, 300);
            ms.push_back(FirstSoundAfter(monitor, start));
        }
        return ms;
    };
    const std::vector<double> beforeSound = timeBeforeSounds(path.before);
    // The same sound through the general media pipeline, which added sounds
    // of other formats take.
    velmora::QtMediaPlayer mediaPlayer;
    velmora::BeforeSoundPlayer viaMedia(mediaPlayer, path.lists, path.clock, path.notices);
    const std::vector<double> beforeViaMedia = timeBeforeSounds(viaMedia);
    monitor.Stop();

    for (int voice = 0; voice < velmora::kVoiceCount; ++voice) {
        const std::string voiceFile = velmora::VoiceLibraries::LibraryFile(voice);
        const std::string what =
            "Speak(time phrase), voice " + voiceFile.substr(0, voiceFile.find('/')) + " -> sink:";
        Report(what.c_str(), speak[static_cast<size_t>(voice)], "< 150 ms");
        Report("  of which Speak itself (synthesis, start):", speakCall[static_cast<size_t>(voice)],
               "-");
    }
    Report("PlayBeforeSound -> first sound at sink:", beforeSound, "< 100 ms");
    Report("  the same through the media pipeline:", beforeViaMedia, "-");
    return 0;
}
