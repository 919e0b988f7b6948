#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "base/KanaText.h"
#include "base/Utf8.h"
#include "speech/ReadingConverter.h"
#include "speech/mecab/MecabReadingService.h"
#include "support/TempDir.h"
#include "support/TestEnvironment.h"

namespace velmora {
namespace {

class MecabReading : public ::testing::Test {
protected:
    void SetUp() override {
        dictionary_ = FindMecabDictionary();
        ASSERT_FALSE(dictionary_.empty())
            << "the package open-jtalk-mecab-naist-jdic is not installed";
    }

    std::string Read(std::string_view text) {
        MecabReadingService service(dictionary_);
        EXPECT_TRUE(service.Open());
        const auto reading = service.GetPhonetic(text);
        service.Close();
        return reading.value_or("(failed)");
    }

    std::string Convert(std::string_view text) {
        return ReadingConverter(MecabReadingServiceFactory(dictionary_)).ConvertToPhonetic(text);
    }

    std::string dictionary_;
};

// "'" after the mora the pitch falls after, "/" between accent phrases.
TEST_F(MecabReading, ReadsWordsAsTheyArePronouncedWithTheirAccent) {
    const std::pair<const char*, const char*> cases[] = {
        // The particles は and へ as わ and え, long vowels as ー.
        {"今日は良い天気", "きょ'ーわ/よ'い/て'んき"},
        {"東京へ行く", "とーきょーえ/いく"},
        {"三日月", "みかずき"},
        {"鼻血が出た", "はなじが/でた'"},
        {"", ""},
        // Words that differ by their accent alone.
        {"箸を使う", "は'しを/つかう"},
        {"橋を渡る", "はし'を/わたる"},
        {"端を渡る", "はしを/わたる"},
        {"雨が降る", "あ'めが/ふ'る"},
        {"飴をなめる", "あめを/なめ'る"},
        // The fall after a small kana's mora, and never on ー, ん or っ.
        {"キャンプに行こう", "きゃ'んぷに/いこー"},
        {"コーヒーを飲む", "こーひ'ーを/の'む"},
        {"東京駅", "とーきょ'ーえき"},
        // Compounds: the second noun's fall kept, put on its first mora,
        // or taken away; after the prefix 新 on the word's first mora.
        {"朝ご飯を食べる", "あさご'はんを/たべ'る"},
        {"目覚まし時計", "めざましと'けー"},
        {"ゴミ出しの日", "ごみだしの/ひ"},
        {"新製品", "しんせ'ーひん"},
        // Auxiliaries: です falls on its own first mora after a word with
        // no fall, ます always does, た moves an adjective's fall back.
        {"今日はいい天気です", "きょ'ーわ/い'い/て'んきです"},
        {"学校です", "がっこーで'す"},
        {"おはようございます", "おはよーございま'す"},
        {"鳴っています", "なっていま'す"},
        {"勉強しましょう", "べんきょーしましょ'ー"},
        {"学校でした", "がっこーで'した"},
        {"お疲れ様です", "おつかれさまで'す"},
        {"美味しかった", "おいし'かった"},
        {"暑くなりそうです", "あつ'く/なりそ'ーです"},
        {"行かなかった", "いかな'かった"},
        // A te-form takes a verb's fall a mora earlier; the verbs that lean
        // on it, and what follows them, keep it there.
        {"早く起きてください", "は'やく/お'きてください"},
        {"食べた", "た'べた"},
        {"降っています", "ふ'っています"},
        {"取ってくる", "と'ってくる"},
        {"準備しておいてください", "じゅ'んびしておいてください"},
        // A title after a name keeps the name's accent; a given name and a
        // number after a noun stand apart, and so does ある after は.
        {"佐藤さん、起きて", "さ'とーさん、お'きて"},
        {"花子ちゃん", "は'なこちゃん"},
        {"山田太郎", "やまだ/た'ろー"},
        {"鈴木先生", "すずき/せんせ'ー"},
        {"今何時ですか", "い'ま/な'んじですか"},
        {"忘れ物はありませんか", "わすれものわ/ありませ'んか"},
        {"7時に起きる", "しち'じに/おき'る"},
        // A set phrase the dictionary holds as two accent phrases.
        {"ありがとうございます", "あり'がとー/ございま'す"},
    };
    for (const auto& [text, reading] : cases) {
        EXPECT_EQ(Read(text), reading) << text;
    }
}

TEST_F(MecabReading, LeavesDigitsLettersAndSignsAsTyped) {
    const std::pair<const char*, const char*> cases[] = {
        // The voices read the number with the kana after it, so both stay in
        // one phrase, where no fall can be placed after the digits.
        {"3時間寝る", "3じかん/ねる"},
        // The dictionary sees 3; the digit stays wide.
        {"３時間寝る", "３じかん/ねる"},
        {"部屋３０５．５号室", "へや'/３０５．５ごーしつ"},
        {"ABCと漢字！？", "ABCと/かんじ！？"},
        {"ＮＨＫを見る", "ＮＨＫを/み'る"},
        // Pauses and blanks end a phrase by themselves: no "/" beside them.
        {"「本」・（括弧）", "「ほ'ん」・（か'っこ）"},
        {"今日　は 晴れ。", "きょ'ー　わ はれ'。"},
        {"ｶﾀｶﾅ", "ｶﾀｶﾅ"},  // unknown to the dictionary: as written
    };
    for (const auto& [text, reading] : cases) {
        EXPECT_EQ(Read(text), reading) << text;
    }
}

// How the dictionary's words come together as a number and its counter;
// the readings and accents themselves are the number table's.
TEST_F(MecabReading, ReadsNumbersWithTheirCounters) {
    const std::pair<const char*, const char*> cases[] = {
        // Months: the dictionary's own words (九月, 十二月) and split ones.
        {"12月3日", "じゅうにがつ'/みっか"},
        {"１月", "いちがつ'"},
        {"4月から", "しがつ'から"},
        {"九月", "く'がつ"},
        {"十二月二十日", "じゅうにがつ'/はつか"},
        {"十二月三十一日", "じゅうにがつ'/さんじゅういちにち"},
        // A numeral before 日 is always a date, however the dictionary split it.
        // The first day is a date after its month, else a day's length.
        {"1日", "いちにち'"},
        {"今日も一日", "きょ'ーも/いちにち'"},
        {"4月1日から", "しがつ'/ついたちから"},
        {"２日", "ふつか"},
        {"三日", "みっか"},
        {"8日", "よーか"},
        {"九日", "ここのか"},
        {"十一日", "じゅういちにち"},
        {"１４日", "じゅうよっか"},
        {"十九日", "じゅうくにち"},
        {"20日", "はつか"},
        {"二十四日", "にじゅうよっか"},
        {"30日", "さんじゅうにち"},
        {"4時", "よ'じ"},
        {"七時", "しち'じ"},
        {"９時", "く'じ"},
        {"0時", "れ'いじ"},
        {"〇時", "れ'いじ"},
        {"3時に起きる", "さ'んじに/おき'る"},
        {"12時30分", "じゅうに'じ/さんじゅ'っぷん"},
        {"7時半に起きる", "しちじは'んに/おき'る"},
        {"1分半", "いっぷんは'ん"},
        {"三分", "さ'んぷん"},
        {"４分", "よ'んぷん"},
        {"9分", "きゅ'うふん"},
        {"十分", "じゅーぶ'ん"},  // "enough" to the dictionary, no count of minutes
        {"十九分", "じゅうきゅ'うふん"},
        {"２０分", "にじゅ'っぷん"},
        {"三十分", "さんじゅ'っぷん"},
        {"2026年", "にせんにじゅうろく'ねん"},
        {"二千二十六年", "にせんにじゅうろく'ねん"},
        {"二〇二六年", "にせんにじゅうろく'ねん"},
        {"七秒", "なな'びょう"},
        {"六回", "ろ'っかい"},
        {"1人", "ひと'り"},
        {"二人", "ふたり'"},
        {"11人", "じゅういち'にん"},
        {"100本", "ひゃ'っぽん"},
        {"８個", "は'っこ"},
        {"３０００円", "さんぜ'んえん"},
        {"一千万円", "いっせんま'んえん"},
        {"9999万円", "きゅうせんきゅうひゃくきゅうじゅうきゅうま'んえん"},
        {"二十歳", "は'たち"},
        {"六匹", "ろ'っぴき"},
        {"４枚", "よ'んまい"},
        {"三階", "さんがい"},
        {"4番", "よ'んばん"},
        // Numbers without one of these counters are left to the dictionary
        // and the number tags.
        {"１．５日", "１．５にち"},
        {"万歳", "ばんざ'い"},
    };
    for (const auto& [text, reading] : cases) {
        EXPECT_EQ(Read(text), reading) << text;
    }
}

TEST_F(MecabReading, ConvertsKanjiPhrasesToPhoneticText) {
    const std::pair<const char*, const char*> cases[] = {
        {"今日は良い天気", "きょ'ーわ/よ'い/て'んき"},
        {"７時に起きる", "しち'じに/おき'る"},
        {"部屋３０５．５号室", "へや'/<NUMK VAL=305.5>ごーしつ"},
        {"「朝」ですよ？", "、あ'さ、で'すよ?"},
        {"*起きて*", "お'きて"},
    };
    for (const auto& [text, phonetic] : cases) {
        EXPECT_EQ(Convert(text), phonetic) << text;
    }
}

TEST_F(MecabReading, LongPhrasesAreReadPieceByPiece) {
    std::string text;
    for (int i = 0; i < 20; ++i) {
        text += "朝ご飯を";  // 4 characters, 80 in all
    }
    // The first piece ends after 16 of them; the next starts a phrase of
    // its own, marked as one.
    std::string expected;
    for (int i = 0; i < 20; ++i) {
        expected += i == 0 ? "あさご'はんを" : "/あさご'はんを";
    }
    EXPECT_EQ(Convert(text), expected);
}

TEST_F(MecabReading, OnlyTheUtf8DictionaryIsAccepted) {
    EXPECT_FALSE(MecabReadingService("/nonexistent/dictionary").Open());
    EXPECT_FALSE(MecabReadingService("").Open());
    EXPECT_EQ(ReadingConverter(MecabReadingServiceFactory("/nonexistent")).ConvertToPhonetic("朝"),
              "");
    const std::string eucJp = "/var/lib/mecab/dic/ipadic";
    if (std::filesystem::exists(eucJp + "/sys.dic")) {
        EXPECT_FALSE(MecabReadingService(eucJp).Open());
    }
}

TEST_F(MecabReading, ReadingNeedsAnOpenService) {
    MecabReadingService service(dictionary_);
    EXPECT_FALSE(service.GetPhonetic("朝").has_value());
    ASSERT_TRUE(service.Open());
    // The folder that gives the dictionary its settings is gone once it is open.
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    ASSERT_NE(runtime, nullptr);
    for (const auto& entry : std::filesystem::directory_iterator(runtime)) {
        EXPECT_FALSE(entry.path().filename().string().starts_with("velmora-dictionary-"))
            << entry.path();
    }
    EXPECT_EQ(service.GetPhonetic("朝"), "あ'さ");
    service.Close();
    EXPECT_FALSE(service.GetPhonetic("朝").has_value());
}

// ---- Agreement with Open JTalk on everyday sentences ------------------------
//
// The same sentence read by us and analysed by open_jtalk (MeCab with the
// same dictionary and Open JTalk's accent phrase rules, taken from its trace).
// Where the two differ and ours is the standard Tokyo reading, the table
// gives that reading, and it is what ours is measured against. Three figures:
//
//   kana:    sentences whose kana agree in full (pauses aside, ょう and ゅう
//            taken as the long vowels the voices read them as);
//   bounds:  phrase bounds inside a breath group, as mora offsets: those
//            both readings put, out of those either puts, so a missing and
//            an extra bound count alike;
//   nucleus: of the phrases both readings mark alike (same first and last
//            mora), those whose fall is after the same mora, or flat in both.
//
// A fall after ん, っ or ー counts on the mora before, as our notation writes
// it. The figures and the sentences that miss are printed.

struct AccentAnalysis {
    std::u32string kana;
    std::set<int> bounds;                        // morae at which a phrase starts after "/"
    std::map<std::pair<int, int>, int> phrases;  // first and end mora, to the fall (0: none)
};

// Our notation: "'" after the falling mora, "/" between phrases, anything
// that is not kana a pause.
AccentAnalysis Analyse(std::string_view notation) {
    const std::u32string text = DecodeUtf8(notation);
    AccentAnalysis analysis;
    int morae = 0;
    int phraseStart = 0;
    int fall = 0;
    std::u32string firstKana;  // of each mora of the phrase
    bool canTakeSmall = false;
    const auto close = [&] {
        if (morae > phraseStart) {
            while (fall > 1 &&
                   std::u32string_view(U"んっー").find(firstKana[static_cast<size_t>(fall) - 1]) !=
                       std::u32string_view::npos) {
                --fall;
            }
            analysis.phrases[{phraseStart, morae}] = fall;
        }
        phraseStart = morae;
        fall = 0;
        firstKana.clear();
        canTakeSmall = false;
    };
    for (const char32_t c : text) {
        const bool kana = (c >= U'ぁ' && c <= U'ゖ') || (c >= U'ァ' && c <= U'ヶ') || c == U'ー';
        if (c == U'\'') {
            fall = morae - phraseStart;
        } else if (c == U'/') {
            close();
            analysis.bounds.insert(morae);
        } else if (!kana) {
            close();
        } else {
            // The voices read ょう and ゅう as long vowels, whatever the mark between.
            const bool lengthens = c == U'う' && !analysis.kana.empty() &&
                                   (analysis.kana.back() == U'ょ' || analysis.kana.back() == U'ゅ');
            analysis.kana += lengthens ? U'ー' : c;
            if (IsSmallKana(c) && canTakeSmall) {
                canTakeSmall = false;
                continue;
            }
            ++morae;
            firstKana += c;
            canTakeSmall = !IsSmallKana(c) && c != U'ん' && c != U'っ' && c != U'ー';
        }
    }
    close();
    return analysis;
}

// An HTS voice lets open_jtalk run; its analysis does not depend on which.
std::string VoiceForOpenJTalk() {
    for (const std::string& path :
         {test::ProgramDir() + "/htsvoice/mei_normal.htsvoice",
          test::ProgramDir() + "/htsvoice/nitech_jp_atr503_m001.htsvoice"}) {
        if (std::filesystem::exists(path)) {
            return path;
        }
    }
    return {};
}

// open_jtalk's analysis of `text` in our notation, from the words of its
// trace: the pronunciation, the accent of an accent phrase on its first
// word, and whether a word is chained to the phrase before it.
std::string OpenJTalkReading(const std::string& text, const std::string& dictionary,
                             const std::string& voice) {
    const test::TempDir dir;
    test::WriteBytes(dir.File("text.txt"), text);
    const std::string command = "/usr/bin/open_jtalk -x '" + dictionary + "' -m '" + voice +
                                "' -r 20 -ow /dev/null -ot '" + dir.File("trace.txt") + "' '" +
                                dir.File("text.txt") + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) {
        return "(open_jtalk failed)";
    }
    std::istringstream trace(test::ReadBytes(dir.File("trace.txt")));
    std::string reading;
    std::string phrase;
    int fall = 0;
    const auto close = [&] {
        if (fall > 0) {
            const std::u32string kana = DecodeUtf8(phrase);
            size_t mora = 0;
            for (size_t i = 0; i < kana.size(); ++i) {
                if (!(IsSmallKana(kana[i]) && i > 0 && !IsSmallKana(kana[i - 1]) &&
                      kana[i - 1] != U'ん' && kana[i - 1] != U'っ' && kana[i - 1] != U'ー') &&
                    ++mora == static_cast<size_t>(fall) + 1) {
                    phrase = EncodeUtf8(kana.substr(0, i)) + "'" + EncodeUtf8(kana.substr(i));
                    break;
                }
            }
            if (mora == static_cast<size_t>(fall)) {
                phrase += "'";
            }
        }
        reading += phrase;
        phrase.clear();
        fall = 0;
    };
    std::string line;
    bool inWords = false;
    bool afterPause = true;
    while (std::getline(trace, line)) {
        if (line == "[Text analysis result]") {
            inWords = true;
            continue;
        }
        if (!inWords) {
            continue;
        }
        if (line.empty()) {
            break;
        }
        std::vector<std::string> fields;
        std::istringstream row(line);
        for (std::string field; std::getline(row, field, ',');) {
            fields.push_back(field);
        }
        if (fields.size() < 13) {
            return "(unexpected trace: " + line + ")";
        }
        std::string kana;
        for (char32_t c : DecodeUtf8(fields[9])) {
            if (c >= U'ァ' && c <= U'ン') {
                c -= 0x60;
            }
            if ((c >= U'ぁ' && c <= U'ゖ') || c == U'ヴ' || c == U'ー') {
                AppendUtf8(kana, c);
            }
        }
        if (fields[1] == "記号" || kana.empty()) {
            close();
            reading += "、";
            afterPause = true;
            continue;
        }
        if (fields[12] != "1" || afterPause) {
            close();
            if (!afterPause) {
                reading += "/";
            }
            fall = std::atoi(fields[10].c_str());
        }
        phrase += kana;
        afterPause = false;
    }
    close();
    return reading;
}

TEST_F(MecabReading, AgreesWithOpenJTalkOnEverydaySentences) {
    const std::string voice = VoiceForOpenJTalk();
    if (!std::filesystem::exists("/usr/bin/open_jtalk") || voice.empty()) {
        GTEST_SKIP() << "open_jtalk or an HTS voice is not installed";
    }
    struct Sentence {
        const char* text;
        const char* standard = nullptr;  // where open_jtalk's analysis is not the Tokyo reading
    };
    const Sentence sentences[] = {
        // Greetings and waking up.
        {"おはようございます"},
        {"こんにちは"},
        {"こんばんは"},
        {"おやすみなさい"},
        {"おはよう、朝ですよ"},
        {"起きる時間です"},
        {"早く起きてください", "は'やく/お'きてください"},
        {"そろそろ起きてください", "そ'ろそろ/お'きてください"},
        {"起きて、起きて", "お'きて、お'きて"},
        // Reminders.
        {"朝ご飯を食べましょう", "あさご'はんを/たべましょ'ー"},
        {"顔を洗ってください", "かおを/あらってくださ'い"},
        {"歯を磨いてください", "は'を/みがいてくださ'い"},
        {"ゴミを出す日です"},
        {"今日は燃えるゴミの日です"},
        {"明日は資源ごみの日です"},
        {"薬を飲んでください", "くすりを/の'んでください"},
        {"薬を忘れないでね"},
        {"水を飲みましょう"},
        {"お風呂が沸きました", "おふ'ろが/わきま'した"},
        {"洗濯物を取り込んでください", "せんたくものを/とりこ'んでください"},
        // Weather.
        {"雨が降っています", "あ'めが/ふ'っています"},
        {"雨が降りそうです", "あ'めが/ふりそ'ーです"},
        {"今日は雨が降るでしょう"},
        {"傘を持っていってください", "か'さを/も'っていってください"},
        {"傘を忘れずに"},
        {"今日はいい天気です"},
        {"明日は晴れるでしょう"},
        {"雪が降ってきました", "ゆき'が/ふ'ってきました"},
        {"風が強いので気をつけて", "かぜが/つよ'いので/きを/つ'けて"},
        {"今日は寒いですね"},
        {"暑いので水分をとってください", "あつ'いので/す'いぶんを/と'ってください"},
        {"天気予報を見てください", "てんきよ'ほーを/み'てください"},
        // Work, school, home.
        {"会議の時間です"},
        {"会議が始まります"},
        {"電車に遅れないでね"},
        {"バスが来ます"},
        {"会社に行く時間です"},
        {"学校に行きましょう"},
        {"宿題をしましたか"},
        {"忘れ物はありませんか", "わすれものわ/ありませ'んか"},
        {"鍵を持ちましたか"},
        {"財布を忘れないで"},
        {"電気を消してください", "で'んきを/けしてくださ'い"},
        {"窓を閉めてください", "ま'どを/し'めてください"},
        {"ドアの鍵をかけてください", "ど'あの/かぎ'を/か'けてください"},
        {"ガスの元栓を確認してください", "が'すの/もとせんを/かくにんしてくださ'い"},
        {"犬の散歩に行こう"},
        {"猫にご飯をあげてください", "ね'こに/ご'はんを/あげてくださ'い"},
        {"花に水をやってください", "はな'に/みずを/やってくださ'い"},
        {"お昼ご飯の時間です"},
        {"晩ご飯を作りましょう", "ばんご'はんを/つくりましょ'ー"},
        // Greetings through the day, rests, celebrations.
        {"買い物に行ってきます", "かいものに/いってきま'す"},
        {"ただいま"},
        {"おかえりなさい"},
        {"いってらっしゃい"},
        {"いってきます", "いってきま'す"},
        {"ありがとうございます"},
        {"お疲れ様でした", "おつかれさまで'した"},
        {"お疲れ様です", "おつかれさまで'す"},
        {"よく頑張りましたね"},
        {"休憩しましょう", "きゅーけーしましょ'ー"},
        {"少し休んでください", "すこ'し/やす'んでください"},
        {"目を休めましょう"},
        {"ストレッチをしましょう"},
        {"寝る時間です"},
        {"そろそろ寝ましょう"},
        {"明日も早いですよ"},
        {"誕生日おめでとう", "たんじょ'ーび/おめでとー"},
        {"お誕生日おめでとうございます", "おたんじょ'ーび/おめでとーございま'す"},
        {"明けましておめでとうございます"},
        {"よいお年を"},
        {"メリークリスマス"},
        // Days and times.
        {"今日は日曜日です"},
        {"明日は月曜日です"},
        {"今日は金曜日ですね"},
        {"週末は何をしますか"},
        {"今日は何曜日ですか"},
        {"今何時ですか"},
        {"時間ですよ"},
        {"もうすぐ時間です"},
        {"あと五分です"},
        {"七時に起きる"},
        {"六時半に起きてください", "ろくじは'んに/お'きてください"},
        {"八時に家を出ます"},
        {"九時から会議です"},
        {"十二時になりました", "じゅーに'じに/なりま'した"},
        {"三時のおやつの時間です", "さ'んじの/おや'つの/じかんで'す"},
        {"十時に寝ましょう"},
        {"今日は何日ですか"},
        // Names and titles.
        {"佐藤さん、起きてください", "さ'とーさん、お'きてください"},
        {"田中さん、おはようございます"},
        {"鈴木さん、時間ですよ"},
        {"高橋さん"},
        {"山田さんに電話する", "やまださんに/でんわする"},
        {"伊藤さんと会う"},
        {"渡辺さんに会います"},
        {"中村さん、会議です"},
        {"小林さんの誕生日"},
        {"佐藤様"},
        {"田中様からお電話です"},
        {"山本君"},
        {"花子ちゃん、起きて", "は'なこちゃん、お'きて"},
        {"太郎君、朝だよ"},
        {"鈴木先生"},
        {"田中先生に連絡する", "たなか/せんせ'ーに/れんらくする"},
        {"お母さんに電話する", "おか'ーさんに/でんわする"},
        {"お父さんの誕生日"},
        {"おばあちゃんに会いに行く"},
        {"山田太郎"},
        {"佐藤花子"},
        {"鈴木一郎さん"},
        {"田中次郎"},
        // Verb forms: te-forms and the verbs that lean on them.
        {"起きてね", "お'きてね"},
        {"起きなさい", "おきなさ'い"},
        {"起きろ"},
        {"もう起きた", "も'ー/お'きた"},
        {"まだ寝ているの", "ま'だ/ね'ているの"},
        {"起きていますか", "お'きていますか"},
        {"待っています", "ま'っています"},
        {"見ています", "み'ています"},
        {"食べてしまった", "た'べてしまった"},
        {"忘れてしまいました", "わすれてしまいま'した"},
        {"書いておく", "か'いておく"},
        {"準備しておいてください", "じゅ'んびしておいてください"},
        {"調べてみる", "しら'べてみる"},
        {"やってみましょう", "やってみましょ'ー"},
        {"持ってくる", "も'ってくる"},
        {"取ってくる", "と'ってくる"},
        {"買ってくる", "かってく'る"},
        {"行ってくる", "いってく'る"},
        {"遊んでいる", "あそんでいる"},
        {"読んでいる", "よ'んでいる"},
        {"歩いている", "ある'いている"},
        {"走っていく", "はし'っていく"},
        {"帰っていく", "か'えっていく"},
        {"教えてあげる", "おしえてあげる"},
        {"手伝ってくれる", "てつだ'ってくれる"},
        {"送ってもらう", "おくってもらう"},
        {"置いてある", "おいてあ'る"},
        {"書いてあります", "か'いてあります"},
        {"来てください", "き'てください"},
        {"見てください", "み'てください"},
        {"聞いてください", "きいてくださ'い"},
        {"急いでください", "いそ'いでください"},
        // Questions and set phrases.
        {"準備はできましたか"},
        {"大丈夫ですか"},
        {"元気ですか"},
        {"何をしていますか", "な'にを/していま'すか"},
        {"どこに行きますか"},
        {"誰が来ますか"},
        {"いつ帰りますか"},
        {"どうしましたか"},
        {"本当ですか"},
        {"お元気ですか"},
        {"いらっしゃいませ"},
        {"失礼します", "しつれーしま'す"},
        {"よろしくお願いします"},
        {"お願いします", "おねがいしま'す"},
        {"すみません"},
        {"ごめんなさい"},
        {"どういたしまして"},
        {"お邪魔します", "おじゃましま'す"},
        {"いただきます"},
        {"ごちそうさまでした"},
        {"頑張ってください", "がんば'ってください"},
        {"気をつけてね", "きを/つ'けてね"},
        {"行ってらっしゃいませ", "いってらっしゃいま'せ"},
        {"お帰りなさいませ", "おかえりなさいま'せ"},
        {"ゆっくり休んでね"},
        {"お大事に"},
        {"楽しい一日を"},
        {"良い一日を"},
        {"素敵な朝です"},
        {"今日も一日頑張ろう"},
        {"深呼吸をしましょう"},
        {"背筋を伸ばしましょう"},
        {"早寝早起き"},
    };

    MecabReadingService service(dictionary_);
    ASSERT_TRUE(service.Open());
    int kanaRight = 0;
    int boundsBoth = 0;
    int boundsEither = 0;
    int phrasesAlike = 0;
    int nucleiRight = 0;
    for (const Sentence& sentence : sentences) {
        const std::string ours = service.GetPhonetic(sentence.text).value_or("(failed)");
        const std::string analysed = OpenJTalkReading(sentence.text, dictionary_, voice);
        const AccentAnalysis reference = Analyse(sentence.standard ? sentence.standard : analysed);
        const AccentAnalysis our = Analyse(ours);
        if (sentence.standard) {
            const AccentAnalysis theirs = Analyse(analysed);
            EXPECT_FALSE(theirs.kana == reference.kana && theirs.bounds == reference.bounds &&
                         theirs.phrases == reference.phrases)
                << sentence.text << ": open_jtalk reads it " << analysed << " already";
        }
        const bool kanaAgree = our.kana == reference.kana;
        kanaRight += kanaAgree ? 1 : 0;
        std::vector<int> both;
        std::set_intersection(our.bounds.begin(), our.bounds.end(), reference.bounds.begin(),
                              reference.bounds.end(), std::back_inserter(both));
        boundsBoth += static_cast<int>(both.size());
        boundsEither += static_cast<int>(our.bounds.size() + reference.bounds.size() - both.size());
        bool nucleiAgree = true;
        for (const auto& [span, fall] : reference.phrases) {
            if (const auto found = our.phrases.find(span); found != our.phrases.end()) {
                ++phrasesAlike;
                nucleiRight += found->second == fall ? 1 : 0;
                nucleiAgree = nucleiAgree && found->second == fall;
            }
        }
        if (!kanaAgree || !nucleiAgree || our.bounds != reference.bounds) {
            std::cout << "  " << sentence.text << ": ours " << ours << ", "
                      << (sentence.standard ? "standard " : "open_jtalk ")
                      << (sentence.standard ? sentence.standard : analysed) << "\n";
        }
    }
    const auto percent = [](int part, int whole) {
        return whole == 0 ? 100.0 : 100.0 * part / whole;
    };
    const int count = static_cast<int>(std::size(sentences));
    const double kana = percent(kanaRight, count);
    const double bounds = percent(boundsBoth, boundsEither);
    const double nucleus = percent(nucleiRight, phrasesAlike);
    std::cout << std::fixed << std::setprecision(1) << count << " sentences: kana " << kana
              << " % (" << kanaRight << "/" << count << "), bounds " << bounds << " % ("
              << boundsBoth << "/" << boundsEither << "), nucleus " << nucleus << " % ("
              << nucleiRight << "/" << phrasesAlike << ")\n";
    EXPECT_GE(kana, 98.0);
    EXPECT_GE(bounds, 95.0);
    EXPECT_GE(nucleus, 97.0);
}

}  // namespace
}  // namespace velmora
