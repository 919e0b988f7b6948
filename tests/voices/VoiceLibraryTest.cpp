#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <thread>

#include "SpeechAnalysis.h"
#include "VoiceFile.h"
#include "support/TempDir.h"
#include "support/TestEnvironment.h"

namespace velmora::test {
namespace {

const std::string kTimePhrase =
    "。ご'ぜん/<NUMK VAL=10 COUNTER=じ>/<NUMK VAL=15 COUNTER=ふん>+で'す。";
const std::string kWakeUp = "。さ'あ、おきましょう。きょ'うも/いいことがありますよ。";

size_t SampleCount(VoiceFile& voice, std::string_view text, int speed = 100) {
    const auto image = voice.Image(text, speed);
    return image ? (image->size() - 44) / 2 : 0;
}

TEST(VoiceLibrary, ExportsOnlyTheTwoEntries) {
    for (const char* folder : kVoiceFolders) {
        const std::string command = "nm -D --defined-only '" + ProgramDir() + "/" + folder +
                                    "/libAquesTalk.so' 2>/dev/null";
        FILE* pipe = ::popen(command.c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::set<std::string> names;
        char line[512];
        while (std::fgets(line, sizeof line, pipe) != nullptr) {
            std::istringstream fields(line);
            std::string address, type, name;
            fields >> address >> type >> name;
            names.insert(name);
        }
        const int status = ::pclose(pipe);
        if (status != 0 && names.empty()) {
            GTEST_SKIP() << "nm is not available";
        }
        EXPECT_EQ(names, (std::set<std::string>{"AquesTalk_FreeWave", "AquesTalk_Synthe"}))
            << folder;
    }
}

TEST(VoiceLibrary, EveryVoiceGivesACanonicalWaveOf8000Hz16BitMono) {
    for (const char* folder : kVoiceFolders) {
        VoiceFile voice(folder);
        ASSERT_TRUE(voice.Loaded()) << folder;
        const auto image = voice.Image(kTimePhrase);
        ASSERT_TRUE(image.has_value()) << folder;
        const auto header = ReadWaveHeader(*image);
        ASSERT_TRUE(header.has_value());
        EXPECT_EQ(header->riff, "RIFF");
        EXPECT_EQ(header->riffSize, image->size() - 8);
        EXPECT_EQ(header->wave, "WAVE");
        EXPECT_EQ(header->fmt, "fmt ");
        EXPECT_EQ(header->fmtSize, 16u);
        EXPECT_EQ(header->format, 1);
        EXPECT_EQ(header->channels, 1);
        EXPECT_EQ(header->sampleRate, 8000u);
        EXPECT_EQ(header->byteRate, 16000u);
        EXPECT_EQ(header->blockAlign, 2);
        EXPECT_EQ(header->bitsPerSample, 16);
        EXPECT_EQ(header->data, "data");
        EXPECT_EQ(header->dataSize, image->size() - 44);
        const auto samples = SamplesOf(*image);
        const double seconds = static_cast<double>(samples.size()) / 8000;
        EXPECT_GT(seconds, 0.8) << folder;
        EXPECT_LT(seconds, 4.0) << folder;
        const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
        EXPECT_GT(*high - *low, 8000) << folder << " is nearly silent";
        // The "。" the program puts before every text opens the sentence
        // without a pause, and the voice's quiet lead-in is left out: a time
        // signal's first syllable is heard on its mark.
        const auto onset = std::find_if(samples.begin(), samples.end(),
                                        [](std::int16_t s) { return std::abs(s) > 100; });
        EXPECT_LT(onset - samples.begin(), 8 * 12) << folder << ": silence before the words";
    }
}

TEST(VoiceLibrary, RefusesTextTheNotationDoesNotAllow) {
    VoiceFile voice("f1");
    ASSERT_TRUE(voice.Loaded());
    for (const char* text :
         {"七時です", "<FOO>あ", "<NUMK VAL=3", "<NUMK VAL=3 COUNTER=時>", "あ@", "「あ」", "한"}) {
        EXPECT_FALSE(voice.Image(text).has_value()) << text;
    }
    EXPECT_FALSE(voice.RawImage("", 100).has_value());
    EXPECT_FALSE(voice.RawImage("\x82", 100).has_value());  // a lead byte without its trail
    int size = 0;
    EXPECT_EQ(voice.Synthe(nullptr, 100, &size), nullptr);
    EXPECT_EQ(voice.Synthe("\x82\xA0", 100, nullptr), nullptr);
}

TEST(VoiceLibrary, PausesAloneGiveSilence) {
    VoiceFile voice("m1");
    const auto image = voice.Image("。");
    ASSERT_TRUE(image.has_value());
    const auto samples = SamplesOf(*image);
    EXPECT_FALSE(samples.empty());
    EXPECT_TRUE(std::all_of(samples.begin(), samples.end(), [](std::int16_t s) { return s == 0; }));
}

// A library reads its voice file from the htsvoice folder beside its own
// folder; without a readable one it speaks nothing, and it takes the file
// up once it is there.
TEST(VoiceLibrary, SpeaksOnlyWithItsVoiceFile) {
    namespace fs = std::filesystem;
    test::TempDir program;
    fs::create_directories(program.File("f1"));
    fs::create_directories(program.File("htsvoice"));
    // A copy, not a link: the loader would take a link for the library the
    // other tests have loaded from the build's own program folder.
    fs::copy_file(ProgramDir() + "/f1/libAquesTalk.so", program.File("f1/libAquesTalk.so"));
    VoiceFile voice(VoiceFile::LibraryPath{program.File("f1/libAquesTalk.so")});
    ASSERT_TRUE(voice.Loaded());
    EXPECT_FALSE(voice.Image("あさ").has_value());
    test::WriteBytes(program.File("htsvoice/mei_normal.htsvoice"), "[GLOBAL]\nbroken\n");
    EXPECT_FALSE(voice.Image("あさ").has_value());
    fs::copy_file(ProgramDir() + "/htsvoice/mei_normal.htsvoice",
                  program.File("htsvoice/mei_normal.htsvoice"),
                  fs::copy_options::overwrite_existing);
    EXPECT_TRUE(voice.Image("あさ").has_value());
}

// Every two voices lie well apart in median pitch at about the same
// loudness, and the robots keep a flatter pitch than any human voice.
TEST(VoiceLibrary, SixVoicesAreClearlyDifferent) {
    for (const std::string& text : {kTimePhrase, kWakeUp}) {
        std::vector<std::pair<double, std::string>> medians;
        std::vector<double> loudness;
        double flattestHuman = 1e9;
        double liveliestRobot = 0;
        for (const char* folder : kVoiceFolders) {
            VoiceFile voice(folder);
            const auto image = voice.Image(text);
            ASSERT_TRUE(image.has_value()) << folder;
            const auto samples = SamplesOf(*image);
            const auto pitches = PitchTrack(samples, 8000);
            ASSERT_GT(pitches.size(), 20u) << folder;
            medians.emplace_back(Percentile(pitches, 0.5), folder);
            loudness.push_back(LoudnessDb(samples, 8000));
            const double spread = Percentile(pitches, 0.9) / Percentile(pitches, 0.1);
            if (folder[0] == 'r') {
                liveliestRobot = std::max(liveliestRobot, spread);
            } else {
                flattestHuman = std::min(flattestHuman, spread);
            }
        }
        std::sort(medians.begin(), medians.end());
        for (size_t i = 1; i < medians.size(); ++i) {
            EXPECT_GT(medians[i].first / medians[i - 1].first, 1.12)
                << medians[i - 1].second << " (" << medians[i - 1].first << " Hz) and "
                << medians[i].second << " (" << medians[i].first << " Hz) sound alike";
        }
        const auto [quietest, loudest] = std::minmax_element(loudness.begin(), loudness.end());
        EXPECT_LT(*loudest - *quietest, 4.0) << text;
        EXPECT_LT(liveliestRobot * 1.1, flattestHuman);
    }
}

TEST(VoiceLibrary, SpeedScalesTheDuration) {
    for (const char* folder : kVoiceFolders) {
        VoiceFile voice(folder);
        const auto natural = static_cast<double>(SampleCount(voice, kTimePhrase, 100));
        const auto half = static_cast<double>(SampleCount(voice, kTimePhrase, 50));
        const auto triple = static_cast<double>(SampleCount(voice, kTimePhrase, 300));
        ASSERT_GT(natural, 0) << folder;
        EXPECT_NEAR(half / natural, 2.0, 0.25) << folder;
        EXPECT_NEAR(natural / triple, 3.0, 0.4) << folder;
        // Out of range is taken as the nearest end of it.
        EXPECT_EQ(SampleCount(voice, kTimePhrase, 1000), static_cast<size_t>(triple)) << folder;
        EXPECT_EQ(SampleCount(voice, kTimePhrase, 0), static_cast<size_t>(half)) << folder;
    }
}

// The voice files end a question as they end a statement; the library
// makes its last mora rise, from its start to its peak, where a listener
// hears it. Mei raises a sentence-final か of herself, "?" or not; a
// statement must not rise.
TEST(VoiceLibrary, AQuestionRisesAtItsEnd) {
    for (const char* folder : {"f1", "f2", "m1", "m2"}) {
        VoiceFile voice(folder);
        for (const char* text : {"そーですか?", "ほんと'う?"}) {
            const auto question = voice.Image(text);
            ASSERT_TRUE(question.has_value()) << folder;
            EXPECT_GE(FinalRise(SamplesOf(*question), 8000), 4.0) << folder << " " << text;
        }
        const auto statement = voice.Image("そーですか。");
        ASSERT_TRUE(statement.has_value()) << folder;
        EXPECT_LT(FinalRise(SamplesOf(*statement), 8000), 1.0) << folder;
    }
    // A question of one mora has nothing else to take its pitch from.
    for (const char* folder : kVoiceFolders) {
        VoiceFile voice(folder);
        const auto single = voice.Image("か?");
        ASSERT_TRUE(single.has_value()) << folder;
        EXPECT_GT(PitchTrack(SamplesOf(*single), 8000).size(), 5u) << folder;
    }
}

// あ'めが (rain) and あめが' (candy) differ only in their accent: the first
// mora above the second, or well below it. The voices' own contour makes
// the difference (Mei's peak comes late, so her あ'めが rises into め a
// little); the robots are left out.
TEST(VoiceLibrary, TheAccentTellsWordsApart) {
    for (const char* folder : {"f1", "f2", "m1", "m2"}) {
        VoiceFile voice(folder);
        const auto rain = voice.Image("あ'めが");
        const auto candy = voice.Image("あめが'");
        ASSERT_TRUE(rain && candy) << folder;
        const auto rainMorae = PartPitches(SamplesOf(*rain), 8000, 3);
        const auto candyMorae = PartPitches(SamplesOf(*candy), 8000, 3);
        ASSERT_EQ(rainMorae.size(), 3u) << folder;
        ASSERT_EQ(candyMorae.size(), 3u) << folder;
        const double fall = Semitones(rainMorae[1], rainMorae[0]);
        const double rise = Semitones(candyMorae[1], candyMorae[0]);
        EXPECT_GT(fall - rise, 1.5) << folder << ": " << fall << " and " << rise << " semitones";
    }
}

// The voices read some text as other text written out: a number tag as its
// kana with the Tokyo accent of the number and its counter, and an ending
// written as a phrase of its own after a word (the program's time phrases
// end in "/で'す" and "/だよ") within that word's accent phrase, low after
// an accent, with its own accent after a flat word. Both must sound exactly
// as the text written out.
TEST(VoiceLibrary, ReadsNumbersAndEndingsAsTheirTextWrittenOut) {
    const std::pair<const char*, const char*> cases[] = {
        {"<NUMK VAL=7 COUNTER=じ>", "しち'じ"},
        {"<NUMK VAL=12 COUNTER=じ>", "じゅうに'じ"},
        {"<NUMK VAL=0 COUNTER=じ>", "れ'いじ"},
        {"<NUMK VAL=6 COUNTER=じ>", "ろ'くじ"},
        {"<NUMK VAL=10 COUNTER=じ>", "じゅ'うじ"},
        {"<NUMK VAL=1 COUNTER=ふん>", "い'っぷん"},
        {"<NUMK VAL=15 COUNTER=ふん>", "じゅうご'ふん"},
        {"<NUMK VAL=30 COUNTER=ふん>", "さんじゅ'っぷん"},
        {"<NUMK VAL=45 COUNTER=ふん>", "よんじゅうご'ふん"},
        {"4がつに", "しがつ'に"},
        // The fall counts the kana before the number in its phrase; a mark
        // written after the number moves it.
        {"ごぜん<NUMK VAL=9 COUNTER=じ>", "ごぜんく'じ"},
        {"<NUMK VAL=9 COUNTER=じ>か'ら", "くじか'ら"},
        {"しち'じ/で'す。", "しち'じです。"},
        {"じゅうご'ふん+だよ。", "じゅうご'ふんだよ。"},
        {"さかな/で'す。", "さかなで'す。"},
        {"さかな/だよ。", "さかなだよ。"},
        {"しち'じ/ま'す", "しち'じます"},
        {"ご'ぜん/しち'じ/でございます。", "ご'ぜん/しち'じでございます。"},
    };
    for (const char* folder : {"f1", "m1"}) {
        VoiceFile voice(folder);
        for (const auto& [text, writtenOut] : cases) {
            const auto spoken = voice.Image(text);
            const auto written = voice.Image(writtenOut);
            ASSERT_TRUE(spoken && written) << folder << " " << text;
            EXPECT_TRUE(*spoken == *written) << folder << " " << text << " is not " << writtenOut;
        }
    }
}

// The engine holds one utterance at a time: the library must serialise its
// callers, and two voices loaded together must not disturb each other.
TEST(VoiceLibrary, ConcurrentCallersAllGetTheirSpeech) {
    VoiceFile female("f1");
    VoiceFile male("m1");
    const auto expected = static_cast<double>(SampleCount(female, kTimePhrase));
    std::array<size_t, 6> counts{};
    std::vector<std::thread> threads;
    for (size_t i = 0; i < counts.size(); ++i) {
        threads.emplace_back([&, i] {
            VoiceFile& voice = i % 2 == 0 ? female : male;
            for (int round = 0; round < 3; ++round) {
                counts[i] = SampleCount(voice, kTimePhrase);
                if (counts[i] == 0) {
                    return;
                }
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (size_t i = 0; i < counts.size(); ++i) {
        EXPECT_GT(counts[i], 0u) << i;
        if (i % 2 == 0) {
            EXPECT_NEAR(static_cast<double>(counts[i]), expected, 0.03 * expected);
        }
    }
}

}  // namespace
}  // namespace velmora::test
