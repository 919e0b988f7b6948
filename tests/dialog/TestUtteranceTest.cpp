#include <gtest/gtest.h>

#include "dialog/TestUtterance.h"
#include "fakes/FakePhoneticConverter.h"
#include "fakes/FakeRandom.h"
#include "settings/AlarmWords.h"
#include "speech/TimePhrase.h"

namespace velmora::test {
namespace {

const DateTime kNow = EncodeDate(2024, 5, 1) + EncodeTime(6, 59, 57);

DialogValues OwnWordsForm(std::vector<std::string> memo, bool untested,
                          std::vector<std::string> phonetic) {
    DialogValues form;
    form.Word = kWordOwn;
    form.MemoLines = std::move(memo);
    form.MemoUntested = untested;
    form.OwnWords.OwnWordsPhonetic = std::move(phonetic);
    form.OwnWords.OwnWords = form.OwnWords.OwnWordsPhonetic;
    return form;
}

TEST(TestAlarmWords, OwnWordsFallBackInOrder) {
    struct Case {
        const char* name;
        DialogValues form;
        std::string expected;
    };
    const std::string preset2 = PresetAlarmWord(2);
    const Case cases[] = {
        {"nothing",
         [] {
             DialogValues f;
             f.Word = kWordNone;
             return f;
         }(),
         ""},
        {"built-in",
         [] {
             DialogValues f;
             f.Word = 5;
             return f;
         }(),
         PresetAlarmWord(5)},
        {"empty memo", OwnWordsForm({""}, false, {}), preset2},
        {"untested memo", OwnWordsForm({"*おはよう"}, true, {"おはよう"}), preset2},
        {"first tested phrase", OwnWordsForm({"*おはよう*やあ"}, false, {"おはよう", "やあ"}),
         "おはよう"},
        {"empty first phrase: the memo's first line",
         OwnWordsForm({"*お'きて", "*やあ"}, false, {""}), "お'きて"},
        {"nothing tested yet: the first line read", OwnWordsForm({"*朝だ"}, false, {}),
         "よみ(朝だ)"},
    };
    for (const Case& c : cases) {
        FakePhoneticConverter converter;
        EXPECT_EQ(TestAlarmWords(c.form, converter), c.expected) << c.name;
    }
}

TEST(VolumeTestRequest, EachTrackBarSpeaksWhatItsSettingAffects) {
    FakePhoneticConverter converter;
    DialogValues form;
    form.GobiNo = 3;
    form.SpeakSpead = 150;
    form.BeforeSoundNo = 4;
    form.JihoBeforeSoundNo = kJihoToneSound;
    form.FirstVolume = 10;
    form.MaxVolume = 20;
    form.JihoVolume = 30;
    form.Ranges[0].Volume = 40;
    form.Ranges[1].Volume = 50;
    form.Ranges[2].Volume = 60;
    const std::string ending = JihoEnding(3);

    struct Case {
        VolumeTrack track;
        int volume;
        bool jiho;
    };
    for (const Case c :
         {Case{VolumeTrack::FirstVolume, 10, false}, Case{VolumeTrack::MaxVolume, 20, false},
          Case{VolumeTrack::MainJiho, 30, true}, Case{VolumeTrack::Range0, 40, true},
          Case{VolumeTrack::Range1, 50, true}, Case{VolumeTrack::Range2, 60, true}}) {
        EXPECT_EQ(TestVolume(form, c.track), c.volume);
        const VolumeTestUtterance test = VolumeTestRequest(form, c.track, kNow, 2, converter);
        EXPECT_EQ(test.Request.Voice, 2);
        EXPECT_EQ(test.Request.Speed, 150);
        EXPECT_EQ(test.Request.FromJihoList, c.jiho);
        EXPECT_FALSE(test.Request.Loop);
        EXPECT_EQ(test.Request.Attenuation, 0);
        EXPECT_FALSE(test.PlayRecording);
        if (c.jiho) {
            EXPECT_EQ(test.Request.BeforeSound, kJihoToneSound);
            // The tone's three seconds carry 6:59:57 into seven o'clock.
            EXPECT_EQ(test.Request.Text, TimePhrase(EncodeTime(7, 0, 0)) + ending);
        } else {
            EXPECT_EQ(test.Request.BeforeSound, 4);
            EXPECT_EQ(test.Request.Text, PresetAlarmWord(2));
        }
    }
    form.JihoBeforeSoundNo = 1;
    EXPECT_EQ(VolumeTestRequest(form, VolumeTrack::Range2, kNow, 0, converter).Request.Text,
              TimePhrase(kNow) + ending);
}

TEST(VolumeTestRequest, RecordedVoiceModeSaysAtMostTheTime) {
    FakePhoneticConverter converter;
    DialogValues form;
    form.HowTo = 1;
    VolumeTestUtterance test =
        VolumeTestRequest(form, VolumeTrack::FirstVolume, kNow, 0, converter);
    EXPECT_TRUE(test.PlayRecording);
    EXPECT_EQ(test.Request.Text, "");
    form.AlarmJiho = true;
    test = VolumeTestRequest(form, VolumeTrack::MaxVolume, kNow, 0, converter);
    EXPECT_EQ(test.Request.Text, TimePhrase(kNow) + JihoEnding(0));
    // The time signal's tests know nothing of the recording.
    EXPECT_FALSE(VolumeTestRequest(form, VolumeTrack::MainJiho, kNow, 0, converter).PlayRecording);
}

TEST(TestVoice, RandomDrawsAmongTheSixVoices) {
    FakeRandom random;
    random.draws = {4};
    EXPECT_EQ(TestVoice(3, random), 3);
    EXPECT_TRUE(random.asked.empty());
    EXPECT_EQ(TestVoice(6, random), 4);
    EXPECT_EQ(random.asked, std::vector<int>{6});
}

}  // namespace
}  // namespace velmora::test
