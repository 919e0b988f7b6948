// Measures how long each voice takes to speak the time phrase for 10:15
// (notation, full-context labels, HTS Engine with the voice's pitch
// shaping, resampling to 8 kHz and the adapter's copy), the first time with
// the voice file's loading, and whether memory grows over many utterances.
// Usage: voice_bench [UTTERANCES]   (default 1000; fewer under valgrind)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchSpeechPath.h"
#include "app/ProgramFolders.h"
#include "base/DateTime.h"
#include "settings/AlarmWords.h"
#include "speech/TimePhrase.h"
#include "speech/VoiceLibraries.h"

using namespace velmora;
using Clock = std::chrono::steady_clock;

namespace {

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    const int utterances = argc > 1 ? std::max(std::atoi(argv[1]), 12) : 1000;
    const char* names[kVoiceCount] = {"f1", "f2", "m1", "m2", "r1", "r2"};
    const std::string text = TimePhrase(EncodeTime(10, 15, 0)) + JihoEnding(0);
    bench::ExitOnMissingVoice notice;
    VoiceLibraries voices(FindProgramFolder(), notice);

    std::printf("text: %s (speed 100)\n", text.c_str());
    std::printf("targets: first utterance <= 150 ms, median <= 100 ms\n");
    std::printf("voice  first (with loading)  median   worst   (20 runs)  length\n");
    for (int voice = 0; voice < kVoiceCount; ++voice) {
        auto start = Clock::now();
        if (!voices.SynthesizeSpeech(voice, text, 100)) {
            std::fprintf(stderr, "voice_bench: voice %s refused the text\n", names[voice]);
            return 1;
        }
        const double first = MsSince(start);
        std::vector<double> times;
        size_t samples = 0;
        for (int run = 0; run < 20; ++run) {
            start = Clock::now();
            samples = voices.SynthesizeSpeech(voice, text, 100)->size();
            times.push_back(MsSince(start));
        }
        std::sort(times.begin(), times.end());
        std::printf("%-5s  %8.1f ms              %6.1f ms %6.1f ms             %.2f s\n",
                    names[voice], first, times[times.size() / 2], times.back(),
                    static_cast<double>(samples) / kSpeechSampleRate);
    }

    // Every voice in turn at the speeds a user can choose; memory is read
    // at each tenth of the run, so a steady level shows after the heap has
    // settled.
    const int speeds[] = {50, 100, 120, 300};
    std::printf("resident memory (KiB) after 0");
    std::vector<long> resident = {bench::ResidentKiB()};
    const auto start = Clock::now();
    for (int i = 0; i < utterances; ++i) {
        if (!voices.SynthesizeSpeech(i % kVoiceCount, text, speeds[(i / kVoiceCount) % 4])) {
            std::fprintf(stderr, "voice_bench: utterance %d failed\n", i);
            return 1;
        }
        if ((i + 1) % (utterances / 10) == 0) {
            resident.push_back(bench::ResidentKiB());
            std::printf(", %d", i + 1);
        }
    }
    std::printf(" utterances:\n");
    for (long kib : resident) {
        std::printf(" %ld", kib);
    }
    std::printf("\n%d utterances in %.1f s; growth over the second half: %ld KiB\n", utterances,
                MsSince(start) / 1000, resident.back() - resident[resident.size() / 2]);
    return 0;
}
