#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "CliCommands.h"
#include "SpeechAnalysis.h"
#include "base/DateTime.h"
#include "settings/AlarmWords.h"
#include "speech/SpeechSynthesizer.h"
#include "speech/TimePhrase.h"
#include "support/CliRun.h"
#include "support/TempDir.h"
#include "support/TestEnvironment.h"

namespace velmora::cli {
namespace {

using test::Cli;
using Result = test::CliResult;

std::string Quoted(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// The real executable, for its exit code and error line.
Result RunProgram(const std::vector<std::string>& args, const test::TempDir& dir) {
    std::string command = Quoted(test::ProgramDir() + "/velmora-cli");
    for (const std::string& arg : args) {
        command += " " + Quoted(arg);
    }
    command += " >" + Quoted(dir.File("out.txt")) + " 2>" + Quoted(dir.File("err.txt"));
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, test::ReadBytes(dir.File("out.txt")),
            test::ReadBytes(dir.File("err.txt"))};
}

// Every text the program speaks about the time and every built-in wake-up
// phrase, as the time phrase builder and the endings table give them.
std::vector<std::string> SpokenTexts() {
    std::vector<std::string> texts = {
        "ご'ぜん/<NUMK VAL=7 COUNTER=じ>/で'す。",
        "ご'ぜん/<NUMK VAL=0 COUNTER=じ>/<NUMK VAL=5 COUNTER=ふん>+で'す。",
        "<NUMK VAL=12 COUNTER=じ>/で'す。",
        "<NUMK VAL=12 COUNTER=じ>/<NUMK VAL=30 COUNTER=ふん>+で'す。",
        "ご'ご/<NUMK VAL=1 COUNTER=じ>/<NUMK VAL=45 COUNTER=ふん>+で'す。",
        "ご'ご/<NUMK VAL=11 COUNTER=じ>/<NUMK VAL=59 COUNTER=ふん>+で'す。",
        "ま'もなく、ご'ぜん/<NUMK VAL=10 COUNTER=じ>/だよ。",
        "ご'ぜん/<NUMK VAL=6 COUNTER=じ>/<NUMK VAL=30 COUNTER=ふん>+で'す。あさだー。おきろー。",
        "。",
    };
    for (int gobi = 0; gobi <= 6; ++gobi) {
        texts.push_back(TimePhrase(EncodeTime(16, 8, 0)) + JihoEnding(gobi));
    }
    for (int word = kFirstPresetWord; word <= kLastPresetWord; ++word) {
        texts.push_back(PresetAlarmWord(word));
    }
    return texts;
}

// Each text in one of the voices, taking them in turn: the texts share
// everything up to the voice file, and every voice still speaks several.
TEST(SayCommand, SpeaksEveryTimeTextInTheVoicesInTurn) {
    test::TempDir dir;
    const std::string file = dir.File("say.wav");
    const std::vector<std::string> texts = SpokenTexts();
    for (size_t i = 0; i < texts.size(); ++i) {
        const std::string& text = texts[i];
        const int voice = static_cast<int>(i % kVoiceCount);
        std::filesystem::remove(file);
        const Result r = Cli({"say", "--voice", std::to_string(voice), "--out", file, text});
        ASSERT_EQ(r.code, kOk) << voice << " " << text << ": " << r.err;
        const std::string bytes = test::ReadBytes(file);
        const std::span image(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
        const auto header = test::ReadWaveHeader(image);
        ASSERT_TRUE(header.has_value()) << voice << " " << text;
        EXPECT_EQ(header->riff, "RIFF");
        EXPECT_EQ(header->sampleRate, 8000u);
        EXPECT_EQ(header->dataSize, bytes.size() - 44);
        EXPECT_GT(bytes.size(), 44u + 1000u) << voice << " " << text;
    }
}

TEST(SayCommand, SpeedAndVoiceOptions) {
    test::TempDir dir;
    const std::string text = "ご'ぜん/<NUMK VAL=10 COUNTER=じ>/で'す。";
    ASSERT_EQ(Cli({"say", "--out", dir.File("100.wav"), text}).code, kOk);
    ASSERT_EQ(
        Cli({"say", "--speed", "300", "--voice", "4", "--out", dir.File("300.wav"), text}).code,
        kOk);
    EXPECT_LT(test::ReadBytes(dir.File("300.wav")).size() * 2,
              test::ReadBytes(dir.File("100.wav")).size());
}

TEST(SayCommand, RefusedTextExitsWith2AndSaysSo) {
    test::TempDir dir;
    const Result r = RunProgram({"say", "--out", dir.File("x.wav"), "七時です"}, dir);
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err, "velmora-cli: しゃべれません。\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("x.wav")));
    EXPECT_EQ(Cli({"say", "--out", dir.File("x.wav"), ""}).code, kUsage);
}

TEST(SayCommand, BadArgumentsAreUsageErrors) {
    test::TempDir dir;
    const std::string out = dir.File("x.wav");
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"say"},
             {"say", "あ"},
             {"say", "--out", out},
             {"say", "--voice", "6", "--out", out, "あ"},
             {"say", "--voice", "x", "--out", out, "あ"},
             {"say", "--speed", "49", "--out", out, "あ"},
             {"say", "--speed", "301", "--out", out, "あ"},
             {"say", "--out", out, "あ", "い"},
             {"say", "--loud", "--out", out, "あ"},
             {"kana"},
             {"kana", "あ", "い"},
         }) {
        const Result r = Cli(args);
        EXPECT_EQ(r.code, kUsage) << args.size();
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(KanaCommand, PrintsTheKanaTheVoicesSpeak) {
    EXPECT_EQ(
        Cli({"kana", "ご'ぜん/<NUMK VAL=10 COUNTER=じ>/<NUMK VAL=15 COUNTER=ふん>+で'す。"}).out,
        "ごぜんじゅうじじゅうごふんです。\n");
    EXPECT_EQ(Cli({"kana", "へや<NUMK VAL=305.5>ごうしつ"}).out,
              "へやさんびゃくごてんごごうしつ\n");
    EXPECT_EQ(Cli({"kana", "ABCｶﾞｰﾝ"}).out, "ええびいしいがあん\n");
    const Result refused = Cli({"kana", "<NUMK VAL=3"});
    EXPECT_EQ(refused.code, kUsage);
    EXPECT_EQ(refused.err, "velmora-cli: しゃべれません。\n");
    EXPECT_TRUE(refused.out.empty());
}

}  // namespace
}  // namespace velmora::cli
