#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <filesystem>

#include "DialogActionsFixture.h"

namespace velmora::test {
namespace {

class RecordingAndMusicTest : public DialogActionsFixture {
protected:
    QString Caption(const char* button) const { return Find<QPushButton>(button)->text(); }
    bool Shown(const char* widget) const { return !Find<QWidget>(widget)->isHidden(); }
    std::string Recording() const { return dir.File("MyAlarm.wav"); }
    void RecordedVoiceMode() {
        Actions();
        ClickItem("RadioGroupHowToPlay", 1);
    }
};

TEST_F(RecordingAndMusicTest, RecordingReplacesTheFileAndTheTickEndsItAtAMinute) {
    WriteBytes(Recording(), "old");
    reader.files[Recording()] = WaveData{16000, 1, std::vector<std::int16_t>(16, 1)};
    RecordedVoiceMode();
    EXPECT_TRUE(Enabled("BtnWavePlay"));
    player.url = Recording();
    ticks.now = 123456;
    Click("BtnRecord");

    EXPECT_EQ(player.log.front(), "url:");  // the player let go of the file first
    EXPECT_FALSE(std::filesystem::exists(Recording()));
    EXPECT_EQ(recorder.log, std::vector<std::string>{"start"});
    EXPECT_EQ(Caption("BtnRecord"), QStringLiteral("停止"));
    EXPECT_FALSE(Enabled("BtnWavePlay"));
    EXPECT_EQ(form->State().RecordStartTime, 123456U);
    EXPECT_TRUE(Shown("ProgressBarRecord"));
    EXPECT_TRUE(Shown("LblRecordTime"));
    EXPECT_EQ(Find<QLabel>("LblRecordTime")->text(), QStringLiteral("0秒"));

    // What the main tick shows from the start time: whole seconds, never
    // past the bar's sixty.
    struct Progress {
        int seconds;
        const char* label;
    };
    for (const Progress p : {Progress{7, "7秒"}, Progress{59, "59秒"}, Progress{61, "60秒"}}) {
        form->ShowRecordSeconds(p.seconds);
        EXPECT_EQ(Find<QLabel>("LblRecordTime")->text(), QString::fromUtf8(p.label));
        EXPECT_LE(Find<QProgressBar>("ProgressBarRecord")->value(), 60);
    }
    form->StopRecording();

    EXPECT_EQ(recorder.log.back(), "save:" + Recording());
    EXPECT_EQ(ReadBytes(Recording()), "RIFF");
    EXPECT_EQ(form->State().RecordStartTime, 0U);
    EXPECT_FALSE(Shown("ProgressBarRecord"));
    EXPECT_FALSE(Shown("LblRecordTime"));
    EXPECT_EQ(Caption("BtnRecord"), QStringLiteral("録音"));
    EXPECT_TRUE(Enabled("BtnWavePlay"));
    // The new recording is what the alarm will play, on channel 1.
    EXPECT_EQ(reader.reads.back(), Recording());
    EXPECT_EQ(device.log.back(), "wave:1");
    // A stop when no recording runs does nothing.
    form->StopRecording();
    EXPECT_EQ(recorder.log.size(), 2U);
}

TEST_F(RecordingAndMusicTest, AnInputThatCannotBeOpenedLeavesThePageIdle) {
    WriteBytes(Recording(), "old");
    RecordedVoiceMode();
    recorder.deviceError = "録音機器を開けません。";
    Click("BtnRecord");
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("録音機器を開けません。"));
    EXPECT_EQ(Caption("BtnRecord"), QStringLiteral("録音"));
    EXPECT_EQ(form->State().RecordStartTime, 0U);
    EXPECT_FALSE(Shown("ProgressBarRecord"));
    // The old recording went before the start: there is nothing to hear,
    // and OK falls back to speaking.
    EXPECT_FALSE(Enabled("BtnWavePlay"));
    form->BtnOKClick();
    EXPECT_EQ(ini.ReadRaw("Alarm", "HowTo"), "0");
}

TEST_F(RecordingAndMusicTest, RecordingFailuresAreReported) {
    // An old file that cannot be removed stops the recording before it
    // starts.
    std::filesystem::create_directories(Recording() + "/inside");
    RecordedVoiceMode();
    Click("BtnRecord");
    EXPECT_EQ(LastNotice(), QStringLiteral("録音に失敗しました。"));
    EXPECT_TRUE(recorder.log.empty());
    EXPECT_EQ(Caption("BtnRecord"), QStringLiteral("録音"));
    std::filesystem::remove_all(Recording());

    // A recording that could not be saved.
    recorder.canSave = false;
    Click("BtnRecord");
    Click("BtnRecord");
    EXPECT_EQ(LastNotice(), QStringLiteral("声の保存に失敗しました。"));
    EXPECT_TRUE(reader.reads.empty());
    EXPECT_TRUE(Enabled("BtnWavePlay"));
    EXPECT_EQ(Caption("BtnRecord"), QStringLiteral("録音"));
}

TEST_F(RecordingAndMusicTest, ListeningPlaysTheRecordingAndBlocksRecording) {
    WriteBytes(Recording(), "RIFF");
    RecordedVoiceMode();
    Click("BtnWavePlay");
    EXPECT_EQ(player.log, (std::vector<std::string>{"url:", "url:" + Recording(), "play"}));
    EXPECT_EQ(Caption("BtnWavePlay"), QStringLiteral("停止"));
    EXPECT_FALSE(Enabled("BtnRecord"));

    Click("BtnWavePlay");
    EXPECT_EQ(player.log.back(), "stop");
    EXPECT_EQ(Caption("BtnWavePlay"), QStringLiteral("聞いてみる"));
    EXPECT_TRUE(Enabled("BtnRecord"));

    // The file plays to its end.
    Click("BtnWavePlay");
    actions->TestPlaybackEnded();
    EXPECT_EQ(Caption("BtnWavePlay"), QStringLiteral("聞いてみる"));
    EXPECT_TRUE(Enabled("BtnRecord"));
    EXPECT_EQ(player.url, "");

    // A player that cannot play it.
    player.canPlay = false;
    Click("BtnWavePlay");
    EXPECT_EQ(LastNotice(), QStringLiteral("録音した音声の試聴に失敗しました。"));
    EXPECT_EQ(Caption("BtnWavePlay"), QStringLiteral("聞いてみる"));
    EXPECT_TRUE(Enabled("BtnRecord"));
}

TEST_F(RecordingAndMusicTest, ClosingTheDialogStopsListeningButNotRecording) {
    WriteBytes(Recording(), "RIFF");
    RecordedVoiceMode();
    Click("BtnWavePlay");
    form->BtnCancelClick();
    EXPECT_EQ(player.log.back(), "stop");
    EXPECT_EQ(Caption("BtnWavePlay"), QStringLiteral("聞いてみる"));

    form->ShowSettings();
    ClickItem("RadioGroupHowToPlay", 1);
    Click("BtnRecord");
    form->BtnCancelClick();
    EXPECT_TRUE(recorder.recording);
    EXPECT_NE(form->State().RecordStartTime, 0U);
    form->StopRecording();  // the tick still ends it
    EXPECT_FALSE(recorder.recording);
    EXPECT_TRUE(std::filesystem::exists(Recording()));
}

TEST_F(RecordingAndMusicTest, MusicTestPlaysAtTheFirstVolumeAndStartsTheRamp) {
    host.now = EncodeDate(2024, 3, 15) + EncodeTime(10, 0, 0);
    Actions();
    const std::vector<std::string> music = MakeFiles("m", 1);
    files.nextFiles.push_back(music);
    Click("BtnAlarmMusic");
    Find<QSlider>("TrackBarFirstVolume")->setValue(30);
    Find<QSlider>("TrackBarMaxVolume")->setValue(60);
    Check("CheckBoxVolumeUp", true);
    Click("BtnAlarmMusicTest");

    EXPECT_EQ(player.log, (std::vector<std::string>{"url:" + music[0], "play"}));
    EXPECT_EQ(Caption("BtnAlarmMusicTest"), QStringLiteral("STOP"));
    EXPECT_EQ(masterVolume->level, 30);
    EXPECT_TRUE(form->State().MusicTestPlaying);
    EXPECT_EQ(clock.RampStart, host.now);
    EXPECT_EQ(clock.RampVolume, 30);

    Click("BtnAlarmMusicTest");
    EXPECT_EQ(player.log.back(), "stop");
    EXPECT_EQ(Caption("BtnAlarmMusicTest"), QStringLiteral("聞いてみる"));
    EXPECT_FALSE(form->State().MusicTestPlaying);
    EXPECT_EQ(clock.RampStart, 0);

    // Without the ramp the volume stays where the test put it.
    Check("CheckBoxVolumeUp", false);
    Click("BtnAlarmMusicTest");
    EXPECT_EQ(clock.RampStart, 0);
    EXPECT_TRUE(form->State().MusicTestPlaying);
    // The piece ends by itself.
    actions->TestPlaybackEnded();
    EXPECT_EQ(Caption("BtnAlarmMusicTest"), QStringLiteral("聞いてみる"));
    EXPECT_FALSE(form->State().MusicTestPlaying);
}

TEST_F(RecordingAndMusicTest, AMusicTestThatFailsSaysSoAndEnds) {
    Actions();
    files.nextFiles.push_back(MakeFiles("m", 1));
    Click("BtnAlarmMusic");
    player.canPlay = false;
    Check("CheckBoxVolumeUp", true);
    Click("BtnAlarmMusicTest");
    EXPECT_EQ(LastNotice(), QStringLiteral("曲の試聴に失敗しました。"));
    EXPECT_EQ(Caption("BtnAlarmMusicTest"), QStringLiteral("聞いてみる"));
    EXPECT_FALSE(form->State().MusicTestPlaying);
    EXPECT_EQ(clock.RampStart, 0);
    EXPECT_TRUE(masterVolume->writes.empty());
}

TEST_F(RecordingAndMusicTest, ClosingStopsAMusicTestUnlessAlarmMusicPlays) {
    Actions();
    files.nextFiles.push_back(MakeFiles("m", 1));
    Click("BtnAlarmMusic");
    Click("BtnAlarmMusicTest");
    host.musicPlaying = true;  // the alarm's music has taken the player over
    form->BtnCancelClick();
    EXPECT_EQ(player.log.back(), "play");

    host.musicPlaying = false;
    form->ShowSettings();
    form->BtnCancelClick();
    EXPECT_EQ(player.log.back(), "stop");
    EXPECT_EQ(Caption("BtnAlarmMusicTest"), QStringLiteral("聞いてみる"));
    EXPECT_FALSE(form->State().MusicTestPlaying);
}

}  // namespace
}  // namespace velmora::test
