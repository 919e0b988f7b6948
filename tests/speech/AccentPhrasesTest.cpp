#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "speech/AccentPhrases.h"
#include "speech/AnalysedWord.h"

namespace velmora {
namespace {

// A word as the analyser gives it: the surface and the dictionary's fields.
// Without fields it is text typed between words (a blank), no word.
struct Entry {
    const char* surface = "";
    const char* feature = nullptr;
};

struct Case {
    std::initializer_list<Entry> entries;
    const char* reading = "";
};

void ExpectReadings(std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        std::string typed;
        std::vector<AnalysedWord> words;
        for (const Entry& entry : c.entries) {
            const size_t begin = typed.size();
            typed += entry.surface;
            if (entry.feature != nullptr) {
                AnalysedWord word = FromNaistFeature(entry.surface, entry.feature);
                word.typedBegin = begin;
                word.typedEnd = typed.size();
                word.inDictionary = true;
                words.push_back(std::move(word));
            }
        }
        EXPECT_EQ(WriteAccentPhrases(words, typed), c.reading) << typed;
    }
}

// The words as the NAIST dictionary analyses them; "'" after the mora the
// pitch falls after, "/" between accent phrases.
TEST(AccentPhrases, JoinWordsByTheirChainRules) {
    ExpectReadings({
        // A particle keeps the noun's fall; the verb opens a phrase.
        {{{"箸", "名詞,一般,*,*,*,*,箸,ハシ,ハシ,1/2,C3"},
          {"を", "助詞,格助詞,一般,*,*,*,を,ヲ,ヲ,0/1,動詞%F5/名詞%F1"},
          {"使う", "動詞,自立,*,*,五段・ワ行促音便,基本形,使う,ツカウ,ツカウ,0/3,*"}},
         "は'しを/つかう"},
        // The fall never after ー; a small kana is one mora with the kana before.
        {{{"キャンプ", "名詞,サ変接続,*,*,*,*,キャンプ,キャンプ,キャンプ,1/3,C1"},
          {"に", "助詞,格助詞,一般,*,*,*,に,ニ,ニ,0/1,動詞%F5/形容詞%F1/名詞%F1"},
          {"行こ", "動詞,自立,*,*,五段・カ行促音便,未然ウ接続,行く,イコ,イコ,0/2,*"},
          {"う", "助動詞,*,*,*,不変化型,基本形,う,ウ,ウ,0/1,動詞%F1/特殊助動詞%F2@0"}},
         "きゃ'んぷに/いこー"},
        // でし takes です's rule after a noun with no fall (F2@1).
        {{{"学校", "名詞,一般,*,*,*,*,学校,ガッコウ,ガッコー,0/4,C2"},
          {"でし",
           "助動詞,*,*,*,特殊・デス,連用形,です,デシ,デシ,1/2,"
           "形容詞%F2@-1/動詞%F2@0/動詞%F2@0"},
          {"た", "助動詞,*,*,*,特殊・タ,基本形,た,タ,タ,0/1,動詞%F2@1/形容詞%F4@-2"}},
         "がっこーで'した"},
        // する after a noun, then ます (F4) and the volitional う as ー.
        {{{"勉強", "名詞,サ変接続,*,*,*,*,勉強,ベンキョウ,ベンキョー,0/4,C2"},
          {"し", "動詞,自立,*,*,サ変・スル,連用形,する,シ,シ,0/1,*"},
          {"ましょ",
           "助動詞,*,*,*,特殊・マス,未然ウ接続,ます,マショ,マショ,2/2,"
           "動詞%F4@2/助詞%F2@2"},
          {"う", "助動詞,*,*,*,不変化型,基本形,う,ウ,ウ,0/1,動詞%F1/特殊助動詞%F2@0"}},
         "べんきょーしましょ'ー"},
        // A te-form takes the verb's fall a mora earlier, and the dependent
        // verb after it, and what follows, keep that fall.
        {{{"起き", "動詞,自立,*,*,一段,連用形,起きる,オキ,オキ,2/2,*"},
          {"て", "助詞,接続助詞,*,*,*,*,て,テ,テ,0/1,動詞%F1/形容詞%F1/名詞%F5"},
          {"ください", "動詞,非自立,*,*,五段・ラ行特殊,命令ｉ,くださる,クダサイ,クダサイ,3/4,*"}},
         "お'きてください"},
        {{{"降っ", "動詞,自立,*,*,五段・ラ行,連用タ接続,降る,フッ,フッ,1/2,*"},
          {"て", "助詞,接続助詞,*,*,*,*,て,テ,テ,0/1,動詞%F1/形容詞%F1/名詞%F5"},
          {"い", "動詞,非自立,*,*,一段,連用形,いる,イ,イ,0/1,*"},
          {"ます", "助動詞,*,*,*,特殊・マス,基本形,ます,マス,マス’,1/2,動詞%F4@1/助詞%F2@1"}},
         "ふ'っています"},
        // The そう of "looks like" falls on そ after a verb.
        {{{"暑く", "形容詞,自立,*,*,形容詞・アウオ段,連用テ接続,暑い,アツク,アツク,2/3,*"},
          {"なり", "動詞,自立,*,*,五段・ラ行,連用形,なる,ナリ,ナリ,1/2,*"},
          {"そう", "名詞,接尾,助動詞語幹,*,*,*,そう,ソウ,ソー,0/2,C1"},
          {"です",
           "助動詞,*,*,*,特殊・デス,基本形,です,デス,デス’,1/2,"
           "名詞%F2@1/動詞%F1/形容詞%F2@0"}},
         "あつ'く/なりそ'ーです"},
        // A compound after a prefix (P2: on the word's first mora); a title
        // keeps the name's fall; a given name opens its own phrase.
        {{{"新", "接頭詞,名詞接続,*,*,*,*,新,シン,シン,0/2,P2"},
          {"製品", "名詞,一般,*,*,*,*,製品,セイヒン,セーヒン,0/4,C2"}},
         "しんせ'ーひん"},
        {{{"佐藤", "名詞,固有名詞,人名,姓,*,*,佐藤,サトウ,サトー,1/3,C2"},
          {"さん", "名詞,接尾,人名,*,*,*,さん,サン,サン,0/2,-1"}},
         "さ'とーさん"},
        {{{"山田", "名詞,固有名詞,人名,姓,*,*,山田,ヤマダ,ヤマダ,0/3,C2"},
          {"太郎", "名詞,固有名詞,人名,名,*,*,太郎,タロウ,タロー,1/3,C1"}},
         "やまだ/た'ろー"},
        // ある after a particle opens a phrase.
        {{{"忘れ物", "名詞,一般,*,*,*,*,忘れ物,ワスレモノ,ワスレモノ,0/5,C2"},
          {"は", "助詞,係助詞,*,*,*,*,は,ハ,ワ,0/1,名詞%F1/動詞%F2@0/形容詞%F2@0"},
          {"あり", "助動詞,*,*,*,五段・ラ行アル,連用形,ある,アリ,アリ,2/2,動詞%F1"},
          {"ませ", "助動詞,*,*,*,特殊・マス,未然形,ます,マセ,マセ,1/2,動詞%F4@1/助詞%F2@1"},
          {"ん", "助動詞,*,*,*,不変化型,基本形,ん,ン,ン,1/1,動詞%F4@0"},
          {"か",
           "助詞,副助詞／並立助詞／終助詞,*,*,*,*,か,カ,カ,0/1,"
           "名詞%F1/動詞%F2@0/形容詞%F2@0"}},
         "わすれものわ/ありませ'んか"},
        // One entry holding a set phrase as two accent phrases.
        {{{"ありがとうございます",
           "感動詞,*,*,*,*,*,ありがとう:ございます,"
           "アリガトウ:ゴザイマス,アリガトー:ゴザイマス’,2/5:4/5,-1"}},
         "あり'がとー/ございま'す"},
        // Digits stay as typed and the voices read them with what follows;
        // blanks and pauses end a phrase without a "/".
        {{{"3", "名詞,数,*,*,*,*,*"},
          {"時間", "名詞,副詞可能,*,*,*,*,時間,ジカン,ジカン,0/3,C2"},
          {"寝る", "動詞,自立,*,*,一段,基本形,寝る,ネル,ネル,0/2,*"}},
         "3じかん/ねる"},
        {{{"今日", "名詞,副詞可能,*,*,*,*,今日,キョウ,キョー,1/2,C3"},
          {"　"},
          {"は", "助詞,係助詞,*,*,*,*,は,ハ,ワ,0/1,名詞%F1/動詞%F2@0/形容詞%F2@0"},
          {"晴れ", "名詞,一般,*,*,*,*,晴れ,ハレ,ハレ,2/2,C4"},
          {"。", "記号,句点,*,*,*,*,。,。,。,*/*,*"}},
         "きょ'ー　わ/はれ'。"},
    });
}

// How the dictionary's words come together as a number and its counter;
// the readings and accents themselves are the number table's.
TEST(AccentPhrases, ReadNumbersWithTheirCounters) {
    constexpr const char* kTsuki = "名詞,一般,*,*,*,*,月,ツキ,ツキ,2/2,C3";
    constexpr const char* kNichi = "名詞,接尾,助数詞,*,*,*,日,ニチ,ニチ,1/2,C3";
    constexpr const char* kDigits = "名詞,数,*,*,*,*,*";
    ExpectReadings({
        // Digits and a counter the dictionary reads as a word of its own.
        {{{"12", kDigits}, {"月", kTsuki}, {"3", kDigits}, {"日", kNichi}}, "じゅうにがつ'/みっか"},
        // A pair the dictionary knows as one word, then a split numeral.
        {{{"十二月", "名詞,副詞可能,*,*,*,*,十二月,ジュウニガツ,ジューニガツ,5/5,C2"},
          {"二", "名詞,数,*,*,*,*,二,ニ,ニ,1/1,C3"},
          {"十", "名詞,数,*,*,*,*,十,ジュウ,ジュー,1/2,C3"},
          {"日", kNichi}},
         "じゅうにがつ'/はつか"},
        // The first day is a date after its month, else a day's length.
        {{{"4", kDigits},
          {"月", kTsuki},
          {"1", kDigits},
          {"日", kNichi},
          {"から", "助詞,格助詞,一般,*,*,*,から,カラ,カラ,2/2,名詞%F1"}},
         "しがつ'/ついたちから"},
        {{{"今日", "名詞,副詞可能,*,*,*,*,今日,キョウ,キョー,1/2,C3"},
          {"も", "助詞,係助詞,*,*,*,*,も,モ,モ,0/1,名詞%F1/動詞%F2@0/形容詞%F2@0"},
          {"一", "名詞,数,*,*,*,*,一,イチ,イチ,2/2,C3"},
          {"日", kNichi}},
         "きょ'ーも/いちにち'"},
        // 半 with the count, whether the dictionary joined it or not.
        {{{"7", kDigits},
          {"時半", "名詞,接尾,助数詞,*,*,*,時半,ジハン,ジハン,2/3,C1"},
          {"に", "助詞,格助詞,一般,*,*,*,に,ニ,ニ,0/1,動詞%F5/形容詞%F1/名詞%F1"},
          {"起きる", "動詞,自立,*,*,一段,基本形,起きる,オキル,オキル,2/3,*"}},
         "しちじは'んに/おき'る"},
        {{{"1", kDigits},
          {"分", "名詞,接尾,助数詞,*,*,*,分,フン,フン,1/2,C3"},
          {"半", "名詞,一般,*,*,*,*,半,ハン,ハン,1/2,C1"}},
         "いっぷんは'ん"},
        // 十分 as "enough" keeps the dictionary's reading.
        {{{"十分", "名詞,形容動詞語幹,*,*,*,*,十分,ジュウブン,ジューブン,3/4,C2"}}, "じゅーぶ'ん"},
        // A numeral after a noun opens its own phrase.
        {{{"今", "名詞,副詞可能,*,*,*,*,今,イマ,イマ,1/2,C3"},
          {"何", "名詞,数,*,*,*,*,何,ナン,ナン,1/2,C3"},
          {"時", "名詞,接尾,助数詞,*,*,*,時,ジ,ジ,1/1,C3"},
          {"です",
           "助動詞,*,*,*,特殊・デス,基本形,です,デス,デス’,1/2,"
           "名詞%F2@1/動詞%F1/形容詞%F2@0"},
          {"か",
           "助詞,副助詞／並立助詞／終助詞,*,*,*,*,か,カ,カ,0/1,"
           "名詞%F1/動詞%F2@0/形容詞%F2@0"}},
         "い'ま/な'んじですか"},
        // The fraction of 1.5 stays digits for the number tags.
        {{{"1", kDigits}, {".", "名詞,サ変接続,*,*,*,*,*"}, {"5", kDigits}, {"日", kNichi}},
         "1.5にち"},
    });
}

}  // namespace
}  // namespace velmora
