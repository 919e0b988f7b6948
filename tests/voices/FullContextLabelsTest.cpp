#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "kana/FullContextLabels.h"
#include "support/TempDir.h"
#include "support/TestEnvironment.h"

namespace velmora::voice {
namespace {

std::vector<std::string> Labels(std::string_view notation) {
    const auto utterance = ParseNotation(notation);
    return utterance ? FullContextLabels(*utterance) : std::vector<std::string>{};
}

// One field of a label ("A" -> "0+1+2"), or the phoneme it is for.
std::string Field(const std::string& label, const std::string& name) {
    if (name == "phoneme") {
        const size_t from = label.find('-') + 1;
        return label.substr(from, label.find('+', from) - from);
    }
    const std::string key = "/" + name + ":";
    const size_t from = label.find(key) + key.size();
    return label.substr(from, label.find('/', from) - from);
}

// A field through the whole utterance. Apart from the phonemes, a value
// repeated in a row is shown once: the phones of a mora share their A field,
// the morae of a phrase their F field, and so on. "*" gives the labels whole.
std::string Trace(const std::vector<std::string>& labels, const std::string& name) {
    std::string trace;
    std::string last;
    for (const std::string& label : labels) {
        const std::string value = name == "*" ? label : Field(label, name);
        if (name != "phoneme" && value == last) {
            continue;
        }
        trace += (trace.empty() ? "" : name == "*" ? "\n" : " ") + value;
        last = value;
    }
    return trace;
}

std::string Repeat(std::string_view text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}

TEST(FullContextLabels, NotationBecomesTheLabelsTheVoicesWereTrainedOn) {
    struct Case {
        std::string notation;
        std::string field;
        std::string expected;
    };
    const std::vector<Case> cases = {
        // Morae to phonemes; ー repeats the vowel.
        {"らーめん/きゃ/しゃ/ちゃ/じゃ/にょ/りゅ/ぴぇ", "phoneme",
         "sil r a a m e N ky a sh a ch a j a ny o ry u py e sil"},
        {"つ、ふ、ぢ、づ、ゔ、てぃ、でぃ、ふぁ、うぃ、しぇ、ちぇ、つぁ、ゔぁ、っ、を", "phoneme",
         "sil ts u pau f u pau j i pau z u pau v u pau t i pau d i pau f a pau w i pau sh e "
         "pau ch e pau ts a pau v a pau cl pau o sil"},
        // Pauses: one between breath groups however many marks, none at
        // the ends; nothing to say, no labels.
        {"、あ'、、い", "phoneme", "sil a pau i sil"},
        {"。", "phoneme", ""},
        // Devoicing: i and u between voiceless consonants, also across a
        // phrase mark, but not across a pause, not twice in a row and not on
        // the accent nucleus.
        {"ちかてつ", "phoneme", "sil ch I k a t e ts u sil"},
        {"きくち、き'た", "phoneme", "sil k I k u ch i pau k i t a sil"},
        {"ひと'つ/くださ'い", "phoneme", "sil h I t o ts U k u d a s a i sil"},
        // The す of です and ます, unless the question rises on it.
        {"いきま'す。で'すか?で'す?あ'めですね/あ'す、で'す", "phoneme",
         "sil i k i m a s U pau d e s U k a pau d e s u pau a m e d e s U n e a s u pau d e s U "
         "sil"},
        // A flat phrase counts its mora count as its accent type.
        {"あ'めが/あめが", "A", "xx+xx+xx 0+1+3 1+2+2 2+3+1 -2+1+3 -1+2+2 0+3+1 xx+xx+xx"},
        // The question flag, and whether a pause parts neighbouring phrases.
        {"な'に?いや/だ'", "F",
         "xx_xx#xx_xx@xx_xx|xx_xx 2_1#1_xx@1_1|1_2 xx_xx#xx_xx@xx_xx|xx_xx "
         "2_2#0_xx@1_2|1_3 1_1#0_xx@2_1|3_1 xx_xx#xx_xx@xx_xx|xx_xx"},
        {"な'に?いや/だ'", "E", "xx_xx!xx_xx-xx 2_1!1_xx-xx 2_1!1_xx-0 2_2!0_xx-1 1_1!0_xx-xx"},
        {"あ'、いう/え", "I",
         "xx-xx@xx+xx&xx-xx|xx+xx 1-1@1+2&1-3|1+4 xx-xx@xx+xx&xx-xx|xx+xx "
         "2-3@2+1&2-2|2+3 xx-xx@xx+xx&xx-xx|xx+xx"},
        {Repeat("あ'、", 21), "K", "19+21-21"},
        // The word classes from the phrase endings; a lone phrase of
        // auxiliaries after another needs no content word.
        {"あ'さですよ。きょ'おわ/ありませ'んでした/き'た/です", "C",
         "xx_xx+xx 02_xx+xx 10_7+2 14_xx+xx xx_xx+xx 02_xx+xx 24_xx+xx 02_xx+xx 10_7+0 "
         "10_6+2 10_7+1 10_7+2 02_xx+xx 10_7+2 xx_xx+xx"},
        {"ん?", "*",
         "xx^xx-sil+N=sil/A:xx+xx+xx/B:xx-xx_xx/C:xx_xx+xx/D:02+xx_xx/E:xx_xx!xx_xx-xx/"
         "F:xx_xx#xx_xx@xx_xx|xx_xx/G:1_1%1_xx_xx/H:xx_xx/I:xx-xx@xx+xx&xx-xx|xx+xx/J:1_1/"
         "K:1+1-1\n"
         "xx^sil-N+sil=xx/A:0+1+1/B:xx-xx_xx/C:02_xx+xx/D:xx+xx_xx/E:xx_xx!xx_xx-xx/"
         "F:1_1#1_xx@1_1|1_1/G:xx_xx%xx_xx_xx/H:xx_xx/I:1-1@1+1&1-1|1+1/J:xx_xx/K:1+1-1\n"
         "sil^N-sil+xx=xx/A:xx+xx+xx/B:02-xx_xx/C:xx_xx+xx/D:xx+xx_xx/E:1_1!1_xx-xx/"
         "F:xx_xx#xx_xx@xx_xx|xx_xx/G:xx_xx%xx_xx_xx/H:1_1/I:xx-xx@xx+xx&xx-xx|xx+xx/J:xx_xx/"
         "K:1+1-1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Trace(Labels(c.notation), c.field), c.expected) << c.notation << " " << c.field;
    }
}

std::string WithoutWordClasses(std::string label) {
    for (const char* field : {"/B:", "/C:", "/D:"}) {
        const size_t from = label.find(field);
        label.erase(from, label.find('/', from + 1) - from);
    }
    return label;
}

// Any HTS voice will do: open_jtalk needs one to run, but its labels do not
// depend on it.
std::string VoiceForOpenJTalk() {
    const std::vector<std::string> candidates = {
        test::ProgramDir() + "/htsvoice/mei_normal.htsvoice",
        "/usr/share/hts-voice/nitech-jp-atr503-m001/nitech_jp_atr503_m001.htsvoice",
        "/tmp/voicedata/package/voice/mei/mei_normal.htsvoice",
    };
    for (const std::string& path : candidates) {
        if (std::filesystem::exists(path)) {
            return path;
        }
    }
    return {};
}

// The labels open_jtalk writes to its trace for `text`.
std::vector<std::string> OpenJTalkLabels(const std::string& text, const std::string& dictionary,
                                         const std::string& voice) {
    const test::TempDir dir;
    test::WriteBytes(dir.File("text.txt"), text);
    // A fast speech rate, since only the text analysis is wanted.
    const std::string command = "/usr/bin/open_jtalk -x '" + dictionary + "' -m '" + voice +
                                "' -r 20 -ot '" + dir.File("trace.txt") + "' '" +
                                dir.File("text.txt") + "' >/dev/null 2>&1";
    std::vector<std::string> labels;
    if (std::system(command.c_str()) != 0) {
        return labels;
    }
    std::istringstream trace(test::ReadBytes(dir.File("trace.txt")));
    std::string line;
    bool inLabels = false;
    while (std::getline(trace, line)) {
        if (line == "[Output label]") {
            inLabels = true;
        } else if (inLabels && line.empty()) {
            break;
        } else if (inLabels) {
            labels.push_back(line.substr(line.rfind(' ') + 1));
        }
    }
    return labels;
}

// Open JTalk reads the text with its dictionary; with the same accents
// written into the notation, every field but the parts of speech must come
// out the same, caps on long utterances included.
TEST(FullContextLabels, MatchOpenJTalkWhereTheAccentsAgree) {
    const std::string dictionary = "/var/lib/mecab/dic/open-jtalk/naist-jdic";
    const std::string voice = VoiceForOpenJTalk();
    if (!std::filesystem::exists("/usr/bin/open_jtalk") || !std::filesystem::exists(dictionary) ||
        voice.empty()) {
        GTEST_SKIP() << "open_jtalk, its dictionary or an HTS voice is not installed";
    }
    const std::string longWord = Repeat("ボ", 58);
    const std::string text =
        "あさですよ。今日はいい天気です。ちかてつで、きたに、いきますか？"
        "しかしきょうは、ふくしのしゅくだいがありません。ひとつください。おきましょう。なに？" +
        Repeat("すもももももももものうち", 9) + "。" + Repeat("あ、", 11) + longWord + "ボボ";
    const std::string notation =
        "あ'さですよ。きょ'うわ/い'い/て'んきです。ちかてつで、きたに、いきま'すか?"
        "しか'し/きょ'うわ、ふくしの/しゅくだいが/ありませ'ん。ひと'つ/くださ'い。おきましょ'う。"
        "な'に?"
        "すももも/ももも/ももの/" +
        Repeat("うちす'ももも/ももも/ももの/", 8) + "うち。" + Repeat("あ'、", 11) + longWord +
        "'ボボ";

    const std::vector<std::string> expected = OpenJTalkLabels(text, dictionary, voice);
    const std::vector<std::string> labels = Labels(notation);
    ASSERT_FALSE(expected.empty()) << "open_jtalk gave no labels";
    ASSERT_EQ(labels.size(), expected.size());
    for (size_t i = 0; i < labels.size(); ++i) {
        ASSERT_EQ(WithoutWordClasses(labels[i]), WithoutWordClasses(expected[i])) << "label " << i;
    }
}

}  // namespace
}  // namespace velmora::voice
