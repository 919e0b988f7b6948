#include <QPlainTextEdit>
#include <QSlider>

#include "DialogActionsFixture.h"
#include "dialog/AlarmWordPage.h"
#include "settings/AlarmWords.h"
#include "speech/TimePhrase.h"

namespace velmora::test {
namespace {

const std::string kPreset2 = "あ'さですよ。お'きてください。";

class SpeechTestsTest : public DialogActionsFixture {
protected:
    // The user presses after what was said before has ended.
    void Press(const char* button) {
        EndSpeech();
        Click(button);
    }
    void PressItem(const char* radioGroup, int index) {
        EndSpeech();
        ClickItem(radioGroup, index);
    }
    void EndSpeech() {
        device.Finish(kSpeechChannel);
        device.Finish(kRecordedVoiceChannel);
    }
    void SetMemo(const QString& text) {
        PressItem("RadioGroupAlarmWord", kWordOwn);
        Find<QPlainTextEdit>("MemoAlarmWord")->setPlainText(text);
    }
    std::vector<std::string> TrialTexts() const {
        std::vector<std::string> texts;
        for (const auto& call : synth.calls) {
            if (call.speed == 120) {
                texts.push_back(call.text);
            }
        }
        return texts;
    }
    bool MemoRed() const { return WordMemoColourName() == QStringLiteral("#ff0000"); }
};

TEST_F(SpeechTestsTest, TimeSignalVolumeTestWithTheToneSpeaksTheComingMinute) {
    host.now = EncodeDate(2024, 3, 15) + EncodeTime(6, 59, 57);
    Actions();
    Find<QSlider>("TrackBarMainJihoVolume")->setValue(35);
    Pick("ComboBoxJihoGobi", 2);
    Pick("ComboBoxBeforeJihoSound", kJihoToneSound);
    beforePlayer.FinishFile();  // the preview of the pick
    beforePlayer.log.clear();
    Press("BtnMainJihoVolumeTest");

    EXPECT_EQ(masterVolume->level, 35);
    EXPECT_EQ(beforePlayer.log.front(), "url:" + lists.Jiho[kJihoToneSound]);
    ASSERT_EQ(synth.calls.size(), 1U);
    EXPECT_EQ(synth.calls[0].text, TimePhrase(EncodeTime(7, 0, 0)) + JihoEnding(2));
    EXPECT_EQ(synth.calls[0].speed, 100);
    EXPECT_EQ(device.Plays(), std::vector<std::string>{"play:0:once"});

    // Without the tone the words are for the minute it is now.
    Pick("ComboBoxBeforeJihoSound", 0);
    Find<QSlider>("TrackBarJihoVolume1")->setValue(70);
    Press("BtnJihoVolumeTest1");
    EXPECT_EQ(masterVolume->level, 70);
    EXPECT_EQ(LastSpokenText(), TimePhrase(EncodeTime(6, 59, 0)) + JihoEnding(2));
}

TEST_F(SpeechTestsTest, AlarmVolumeTestSaysWhatTheAlarmWouldSay) {
    host.now = EncodeDate(2024, 3, 15) + EncodeTime(7, 30, 10);
    Actions();
    Find<QSlider>("TrackBarMaxVolume")->setValue(80);
    Press("BtnMaxVolumeTest");
    EXPECT_EQ(masterVolume->level, 80);
    EXPECT_EQ(LastSpokenText(), kPreset2);  // the default choice

    // Own words not yet tested stand in as the first built-in phrase,
    // after the time when the alarm tells it.
    Check("CheckBoxAlarmJiho", true);
    SetMemo(QStringLiteral("*おはよう"));
    Press("BtnFirstVolumeTest");
    EXPECT_EQ(masterVolume->level, 50);
    EXPECT_EQ(LastSpokenText(), TimePhrase(host.now) + JihoEnding(0) + kPreset2);

    // Tested, they are said themselves.
    Press("BtnAlarmWordTest");
    Press("BtnFirstVolumeTest");
    EXPECT_EQ(LastSpokenText(), TimePhrase(host.now) + JihoEnding(0) + "おはよう");

    // Saying nothing leaves only the time.
    PressItem("RadioGroupAlarmWord", kWordNone);
    Press("BtnFirstVolumeTest");
    EXPECT_EQ(LastSpokenText(), TimePhrase(host.now) + JihoEnding(0));
}

TEST_F(SpeechTestsTest, RecordedVoiceModePlaysTheRecordingAfterTheTest) {
    reader.files[dir.File("MyAlarm.wav")] = WaveData{16000, 1, std::vector<std::int16_t>(160, 5)};
    Actions();
    PressItem("RadioGroupHowToPlay", 1);
    Press("BtnFirstVolumeTest");
    EXPECT_TRUE(synth.calls.empty());  // no words: the alarm does not tell the time
    EXPECT_EQ(device.Plays(), std::vector<std::string>{"play:1:once"});
    EXPECT_FALSE(form->State().PlayRecordingRequested);

    // Words that cannot be said leave no request behind for a later
    // utterance to pick up.
    Check("CheckBoxAlarmJiho", true);
    synth.refuse = true;
    Press("BtnFirstVolumeTest");
    EXPECT_EQ(LastNotice(), QStringLiteral("しゃべれません。"));
    EXPECT_FALSE(form->State().PlayRecordingRequested);
}

TEST_F(SpeechTestsTest, NoTestTalksOverSpeechThatIsStillGoing) {
    Actions();
    SetMemo(QStringLiteral("おはよう"));
    struct Busy {
        int channel;
        int status;
    };
    for (const Busy busy : {Busy{0, kChannelPlayingOnce}, Busy{0, kChannelPlayingLooped},
                            Busy{1, kChannelPlayingOnce}}) {
        device.channels[static_cast<size_t>(busy.channel)].status = busy.status;
        for (const char* button :
             {"BtnFirstVolumeTest", "BtnMainJihoVolumeTest", "BtnSpeakTest", "BtnAlarmWordTest"}) {
            Click(button);
        }
        ClickItem("RadioGroupVoice", 3);
        device.channels[static_cast<size_t>(busy.channel)].status = kChannelIdle;
    }
    EXPECT_TRUE(synth.calls.empty());
    EXPECT_TRUE(masterVolume->writes.empty());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(MemoRed());
}

TEST_F(SpeechTestsTest, PickingAVoiceOrAPhraseSpeaksItAtTheFirstVolume) {
    Actions();
    Find<QSlider>("TrackBarFirstVolume")->setValue(30);
    PressItem("RadioGroupVoice", 4);  // ロボット声１
    ASSERT_EQ(synth.calls.size(), 1U);
    EXPECT_EQ(synth.calls[0].voice, 4);
    EXPECT_EQ(synth.calls[0].text, kPreset2);
    EXPECT_EQ(masterVolume->level, 30);

    PressItem("RadioGroupAlarmWord", 4);
    EXPECT_EQ(LastSpokenText(), PresetAlarmWord(4));
    // ランダム draws one of the six voices.
    random.draws = {5};
    PressItem("RadioGroupVoice", 6);
    EXPECT_EQ(synth.calls.back().voice, 5);
    EXPECT_EQ(random.asked.back(), 6);
}

TEST_F(SpeechTestsTest, SpeedTestSpeaksTheFirstPhraseWithoutTouchingTheVolume) {
    Actions();
    Find<QSlider>("TrackBar1")->setValue(250);
    Pick("ComboBoxBeforeAlarmSpeakSound", 3);
    beforePlayer.FinishFile();
    beforePlayer.plays = 0;
    PressItem("RadioGroupAlarmWord", kWordNone);
    Press("BtnSpeakTest");
    EXPECT_EQ(LastSpokenText(), kPreset2);
    EXPECT_EQ(synth.calls.back().speed, 250);
    EXPECT_EQ(beforePlayer.plays, 0);
    EXPECT_TRUE(masterVolume->writes.empty());
    synth.refuse = true;
    Press("BtnSpeakTest");
    EXPECT_TRUE(messages.shown.empty());  // the speed test reports nothing
}

// TEST of the user's own words: how the memo is split, what is tried, what
// is said and when the red mark goes.
TEST_F(SpeechTestsTest, WordTestSplitsTriesEveryPhraseAndSpeaksOne) {
    Actions();
    Find<QSlider>("TrackBar1")->setValue(90);
    SetMemo(QStringLiteral("*おはよう*\nこんにちは*"));
    EXPECT_TRUE(MemoRed());
    EXPECT_TRUE(Enabled("BtnAlarmWordTest"));
    random.draws = {1};
    Press("BtnAlarmWordTest");

    EXPECT_EQ(TrialTexts(), (std::vector<std::string>{"おはよう", "こんにちは"}));
    EXPECT_EQ(synth.calls.back().text, "こんにちは");
    EXPECT_EQ(synth.calls.back().speed, 90);
    EXPECT_EQ(random.asked, std::vector<int>{2});
    EXPECT_FALSE(MemoRed());
    EXPECT_EQ(form->WordPage()->OwnWords().OwnWords,
              (std::vector<std::string>{"おはよう", "こんにちは"}));
    // Tested words pass OK and are saved.
    form->BtnOKClick();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(ini.ReadRaw("Alarm", "JisakuAlarmWordCount"), "2");
    EXPECT_EQ(host.live.AlarmWords, (std::vector<std::string>{"おはよう", "こんにちは"}));
}

TEST_F(SpeechTestsTest, WordTestConvertsKanjiAndKeepsNotationAsTyped) {
    Actions();
    SetMemo(QStringLiteral("お'きて*朝だ"));
    random.draws = {0};
    Press("BtnAlarmWordTest");
    EXPECT_EQ(TrialTexts(), (std::vector<std::string>{"お'きて", "よみ(朝だ)"}));
    EXPECT_EQ(converter.asked, std::vector<std::string>{"朝だ"});
    EXPECT_FALSE(MemoRed());
}

TEST_F(SpeechTestsTest, APhraseTheVoiceCannotSayStopsTheTestAndKeepsTheMark) {
    Actions();
    synth.refusedTexts = {""};
    SetMemo(QStringLiteral("おはよう**こんにちは"));
    Press("BtnAlarmWordTest");
    EXPECT_EQ(LastNotice(), QStringLiteral("「」はしゃべれません。"));
    EXPECT_EQ(TrialTexts(), (std::vector<std::string>{"おはよう", ""}));
    EXPECT_TRUE(device.Plays().empty());
    EXPECT_TRUE(MemoRed());
    form->BtnOKClick();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(LastNotice(),
              QStringLiteral("「Test」ボタンをクリックして自作の目覚めの言葉を確認してください。"));

    synth.refusedTexts = {"ばか"};
    SetMemo(QStringLiteral("**ばか"));  // one leading mark goes: "" and ばか
    Press("BtnAlarmWordTest");
    EXPECT_EQ(LastNotice(), QStringLiteral("「ばか」はしゃべれません。"));
}

TEST_F(SpeechTestsTest, WordTestThatCannotBeSpokenKeepsTheMark) {
    Actions();
    SetMemo(QStringLiteral("おはよう"));
    device.failPlay = true;
    Press("BtnAlarmWordTest");
    EXPECT_EQ(LastNotice(), QStringLiteral("しゃべれません。"));
    EXPECT_TRUE(MemoRed());
}

TEST_F(SpeechTestsTest, WordTestPicksARandomBeforeSoundWhenAsked) {
    Actions();
    Pick("ComboBoxBeforeAlarmSpeakSound", 2);
    beforePlayer.FinishFile();
    Check("CheckBoxRandomBeforeSound", true);
    SetMemo(QStringLiteral("おはよう"));
    beforePlayer.log.clear();
    random.draws = {6};
    Press("BtnAlarmWordTest");
    // 1 + a draw below 13 (the entries besides "なし").
    EXPECT_EQ(random.asked, std::vector<int>{13});
    EXPECT_EQ(beforePlayer.log.front(), "url:" + lists.Alarm[7]);
}

TEST_F(SpeechTestsTest, OtherChoicesClearTheMarkAndOwnWordsSetIt) {
    Actions();
    SetMemo(QStringLiteral("おはよう"));
    EXPECT_TRUE(MemoRed());
    PressItem("RadioGroupAlarmWord", 2);
    EXPECT_FALSE(MemoRed());
    EXPECT_FALSE(Enabled("MemoAlarmWord"));
    EXPECT_FALSE(Enabled("BtnAlarmWordTest"));
    form->BtnOKClick();
    EXPECT_FALSE(form->isVisible());  // no TEST needed

    form->ShowSettings();
    PressItem("RadioGroupAlarmWord", kWordOwn);
    EXPECT_TRUE(MemoRed());
    EXPECT_TRUE(Enabled("MemoAlarmWord"));
    PressItem("RadioGroupAlarmWord", kWordNone);
    EXPECT_FALSE(MemoRed());
    EXPECT_FALSE(Enabled("MemoAlarmWord"));
    // The recorded voice takes the words away altogether.
    PressItem("RadioGroupAlarmWord", kWordOwn);
    PressItem("RadioGroupHowToPlay", 1);
    EXPECT_FALSE(Enabled("RadioGroupAlarmWord"));
    EXPECT_FALSE(Enabled("MemoAlarmWord"));
    EXPECT_FALSE(Enabled("BtnAlarmWordTest"));
    EXPECT_TRUE(Enabled("BtnRecord"));
}

}  // namespace
}  // namespace velmora::test
