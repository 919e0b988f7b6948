// How the pitch of the human voices (f1 f2 m1 m2) moves, measured on their
// 8 kHz output with the tests' pitch tracker:
//  - the pitch range (5th to 95th percentile of the voiced frames, in
//    semitones) of six everyday sentences, beside Open JTalk reading the same
//    sentences with the same voice file, pitch shift, all-pass constant and
//    tempo (its wave resampled to 8 kHz). Our notation carries the accents
//    Open JTalk's own analysis gives these sentences, so both read the same
//    accents;
//  - how far the last mora of a question rises from its start to its peak;
//  - the same figure for a statement's end, which should not rise.
// Usage: prosody_bench [--contours]   (--contours: the pitch tracks on stderr)
// Needs Open JTalk and its NAIST dictionary for the comparison.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "BenchSpeechPath.h"
#include "SpeechAnalysis.h"
#include "app/ProgramFolders.h"
#include "engine/Resampler.h"
#include "engine/VoiceProfile.h"
#include "speech/VoiceLibraries.h"

using namespace velmora;

namespace {

constexpr int kRate = 8000;
constexpr const char* kDictionary = "/var/lib/mecab/dic/open-jtalk/naist-jdic";

struct Sentence {
    const char* text;      // for Open JTalk
    const char* notation;  // for ours, with Open JTalk's accent phrases
};

// Open JTalk's accent phrases for these (checked against its trace): a
// flat noun before です takes the accent of です (じかんで'すよ).
constexpr Sentence kSentences[] = {
    {"おはようございます。今日はいい天気ですね。",
     "おはよーございま'す。きょ'ーわ/い'い/て'んきですね。"},
    {"そろそろ起きる時間ですよ。", "そ'ろそろ/おき'る/じかんで'すよ。"},
    {"明日の朝は雨が降るそうです。", "あした'の/あ'さわ/あ'めが/ふ'る/そーで'す。"},
    {"傘を忘れないでください。", "か'さを/わすれな'いで/くださ'い。"},
    {"今夜は早めに寝ましょう。", "こ'んやわ/はやめに'/ねましょ'ー。"},
    {"今日も一日がんばりましょう。", "きょ'ーも/いちにち'/がんばりましょ'ー。"},
};

// Questions and statements, with Open JTalk's text for each: the voice
// files do not raise a question's end of themselves, and a statement's end
// as they speak it is the reference for ours.
constexpr Sentence kEnds[] = {
    {"そうですか?", "そーですか?"},        {"本当?", "ほんと'う?"},
    {"起きましたか?", "おきま'したか?"},   {"明日ですか?", "あ'したですか?"},
    {"そうですか。", "そーですか。"},      {"本当。", "ほんと'う。"},
    {"起きましたか。", "おきま'したか。"},
};

bool printContours = false;

double Semitones(double from, double to) {
    return test::Semitones(from, to);
}

// The 5th to 95th percentile of all voiced frames of the takes, in semitones.
double PitchRange(const std::vector<std::vector<std::int16_t>>& takes) {
    std::vector<double> pitches;
    for (const auto& samples : takes) {
        const auto track = test::PitchTrack(samples, kRate);
        pitches.insert(pitches.end(), track.begin(), track.end());
    }
    return Semitones(test::Percentile(pitches, 0.05), test::Percentile(pitches, 0.95));
}

// The pitch track and its final rise, on stderr.
void PrintContour(const char* label, const std::vector<std::int16_t>& samples) {
    if (!printContours) {
        return;
    }
    std::fprintf(stderr, "%s (final rise %.1f):", label, test::FinalRise(samples, kRate));
    for (const double pitch : test::PitchContour(samples, kRate)) {
        std::fprintf(stderr, " %.0f", pitch);
    }
    std::fprintf(stderr, "\n");
}

// Open JTalk's reading of `text` at 8 kHz; nullopt when it cannot run.
std::optional<std::vector<std::int16_t>> OpenJTalk(const std::string& text,
                                                   const voice::VoiceProfile& profile,
                                                   const std::string& programFolder,
                                                   const std::filesystem::path& work) {
    const auto input = work / "in.txt";
    const auto output = work / "out.wav";
    std::ofstream(input) << text << "\n";
    char options[128];
    std::snprintf(options, sizeof options, " -fm %g -a %g -r %g", profile.halfTones, profile.alpha,
                  profile.tempo);
    const std::string command = std::string("open_jtalk -x ") + kDictionary + " -m '" +
                                programFolder + "htsvoice/" + std::string(profile.voiceFile) + "'" +
                                options + " -ow '" + output.string() + "' '" + input.string() +
                                "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) {
        return std::nullopt;
    }
    std::ifstream file(output, std::ios::binary);
    const std::vector<unsigned char> image((std::istreambuf_iterator<char>(file)),
                                           std::istreambuf_iterator<char>());
    const auto header = test::ReadWaveHeader(image);
    if (!header || header->bitsPerSample != 16 || header->channels != 1) {
        return std::nullopt;
    }
    const auto samples = test::SamplesOf(image);
    return voice::Resample(samples, header->sampleRate, kRate);
}

}  // namespace

int main(int argc, char** argv) {
    printContours = argc > 1 && std::strcmp(argv[1], "--contours") == 0;
    const std::string programFolder = FindProgramFolder();
    bench::ExitOnMissingVoice notice;
    VoiceLibraries voices(programFolder, notice);
    char pattern[] = "/tmp/prosody_bench.XXXXXX";
    const char* made = ::mkdtemp(pattern);
    if (made == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::filesystem::path work = made;

    const auto speak = [&](int voice, const char* notation) {
        auto samples = voices.SynthesizeSpeech(voice, notation, 100);
        if (!samples) {
            std::fprintf(stderr, "prosody_bench: voice %d refused %s\n", voice, notation);
            std::exit(1);
        }
        return *samples;
    };

    const char* names[] = {"f1", "f2", "m1", "m2"};
    std::printf("Pitch range of six sentences (5th-95th percentile, semitones)\n");
    std::printf("| voice | ours | Open JTalk | ours / Open JTalk |\n|---|---|---|---|\n");
    for (int voice = 0; voice < 4; ++voice) {
        const voice::VoiceProfile& profile = voice::VoiceProfileFor(voice);
        std::vector<std::vector<std::int16_t>> ours, theirs;
        for (const Sentence& sentence : kSentences) {
            ours.push_back(speak(voice, sentence.notation));
            PrintContour(sentence.notation, ours.back());
            if (auto reference = OpenJTalk(sentence.text, profile, programFolder, work)) {
                theirs.push_back(std::move(*reference));
                PrintContour("open_jtalk", theirs.back());
            }
        }
        const double range = PitchRange(ours);
        if (theirs.size() == ours.size()) {
            const double reference = PitchRange(theirs);
            std::printf("| %s | %.1f | %.1f | %.0f %% |\n", names[voice], range, reference,
                        100 * range / reference);
        } else {
            std::printf("| %s | %.1f | (open_jtalk failed) | |\n", names[voice], range);
        }
    }

    std::printf("\nRise at the end, from the last mora's start to its peak (semitones)\n| voice |");
    for (const Sentence& end : kEnds) {
        std::printf(" %s |", end.notation);
    }
    std::printf("\n|---|");
    for (size_t i = 0; i < std::size(kEnds); ++i) {
        std::printf("---|");
    }
    std::printf("\n");
    for (int voice = 0; voice < 4; ++voice) {
        std::printf("| %s |", names[voice]);
        for (const Sentence& end : kEnds) {
            const auto samples = speak(voice, end.notation);
            PrintContour(end.notation, samples);
            std::printf(" %.1f |", test::FinalRise(samples, kRate));
        }
        std::printf("\n| %s, Open JTalk |", names[voice]);
        for (const Sentence& end : kEnds) {
            const auto samples =
                OpenJTalk(end.text, voice::VoiceProfileFor(voice), programFolder, work);
            if (samples) {
                PrintContour(end.text, *samples);
            }
            std::printf(samples ? " %.1f |" : " |",
                        samples ? test::FinalRise(*samples, kRate) : 0.0);
        }
        std::printf("\n");
    }
    std::filesystem::remove_all(work);
    return 0;
}
