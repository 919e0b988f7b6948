#include <gtest/gtest.h>

#include <filesystem>

#include "dialog/DialogValuesLoader.h"
#include "dialog/DialogValuesSaver.h"
#include "dialog/SettingsValidation.h"
#include "dialog/TrayMenuSync.h"
#include "fakes/FakePhoneticConverter.h"
#include "fakes/FakeSettingsDialogHost.h"
#include "settings/AlarmWordFile.h"
#include "support/TempDir.h"

namespace velmora {
namespace {

class DialogValuesIoTest : public ::testing::Test {
protected:
    bool Load(DialogValues& form, int month = 2) {
        const DialogValuesLoadContext context{live, month, dir.File("AlarmWord.txt"), "MenuFont",
                                              converter};
        return LoadDialogValues(ini, context, form);
    }
    DialogValuesSaveResult Save(DialogValues& form) {
        const DialogValuesValidation check = ValidateDialogValues(form);
        EXPECT_TRUE(check.Passed) << check.Message;
        return SaveDialogValues(ini, form, check.DayOfMonthList, live,
                                {dir.File("AlarmWord.txt"), dir.File("MyAlarm.wav")});
    }

    test::TempDir dir;
    IniFile ini{dir.File("Settei.ini")};
    Settings live;
    test::FakePhoneticConverter converter;
};

TEST_F(DialogValuesIoTest, WithoutAFileTheFormKeepsWhatItHolds) {
    DialogValues form;
    form.VoiceNo = 4;
    form.Day = "9";
    EXPECT_FALSE(Load(form));
    EXPECT_EQ(form.VoiceNo, 4);
    EXPECT_EQ(form.Day, "9");
}

TEST_F(DialogValuesIoTest, StoredValuesOutsideTheControlsFallBack) {
    ini.WriteInteger("VoiceNo", "Value", 9);
    ini.WriteInteger("Alarm", "BeforeSoundNo", 14);  // no sound was added
    ini.WriteInteger("ResumeWaiteTime", "Value", 0);
    ini.WriteInteger("Jiho", "GobiNo", 7);
    ini.WriteInteger("Music", "No", 1);  // Count says there is no music
    ini.WriteInteger("SpeakSpead", "Value", 999);
    DialogValues form;
    ASSERT_TRUE(Load(form));
    EXPECT_EQ(form.VoiceNo, 0);
    EXPECT_EQ(form.BeforeSoundNo, 0);
    EXPECT_EQ(form.ResumeTime, 0);
    EXPECT_EQ(form.GobiNo, 0);
    EXPECT_EQ(form.MusicNo, 0);
    EXPECT_EQ(form.SpeakSpead, 300);
}

TEST_F(DialogValuesIoTest, OwnWordsComeFromTheWordFileUpToTheCount) {
    std::string error;
    ASSERT_TRUE(WriteAlarmWords(dir.File("AlarmWord.txt"), {"おはよう", "早起き"}, error));
    ini.WriteInteger("Alarm", "JisakuAlarmWordCount", 3);
    DialogValues form;
    ASSERT_TRUE(Load(form));
    EXPECT_EQ(form.MemoLines, (std::vector<std::string>{"*おはよう", "*早起き"}));
    EXPECT_EQ(form.OwnWords.OwnWordsPhonetic,
              (std::vector<std::string>{"おはよう", "よみ(早起き)"}));
}

TEST_F(DialogValuesIoTest, DayKeysAreRewrittenFromTheLiveRecordAndTheFields) {
    // Stale keys of earlier saves go; months edited in this showing come
    // from the live record, the month on screen from its field.
    ini.WriteInteger("NoAlarmMonth7", "Day4", 1);
    ini.WriteInteger("NoAlarmMonth3", "Day30", 1);
    ini.WriteInteger("NoAlarm", "DayOfMonth8", 1);
    live.NoAlarmMonthDay[4][10] = true;
    live.NoAlarmMonthDay[3][30] = true;
    DialogValues form;
    form.Month = 2;
    form.Day = "05, 3";
    form.DayOfMonth = "1,31";
    ASSERT_TRUE(Save(form).Saved);
    EXPECT_FALSE(ini.ValueExists("NoAlarmMonth7", "Day4"));
    EXPECT_FALSE(ini.ValueExists("NoAlarmMonth3", "Day30"));
    EXPECT_EQ(ini.ReadRaw("NoAlarmMonth3", "Day5"), "1");
    EXPECT_EQ(ini.ReadRaw("NoAlarmMonth3", "Day3"), "1");
    EXPECT_FALSE(ini.ValueExists("NoAlarmMonth3", "Day05"));
    EXPECT_EQ(ini.ReadRaw("NoAlarmMonth4", "Day10"), "1");
    EXPECT_FALSE(ini.ValueExists("NoAlarm", "DayOfMonth8"));
    EXPECT_EQ(ini.ReadRaw("NoAlarm", "DayOfMonth31"), "1");
    EXPECT_TRUE(live.NoAlarmMonthDay[3][5]);
    EXPECT_FALSE(live.NoAlarmMonthDay[3][30]);
    EXPECT_TRUE(live.NoAlarmDayOfMonth[1]);
    EXPECT_FALSE(live.NoAlarmDayOfMonth[8]);
}

TEST_F(DialogValuesIoTest, RangesInUseAreWrittenOthersDeleted) {
    ini.WriteDateTime("Jiho", "StartTime2", EncodeTime(1, 0, 0));
    ini.WriteDateTime("Jiho", "EndTime2", EncodeTime(2, 0, 0));
    ini.WriteInteger("Jiho", "SetteiVolume2", 70);
    DialogValues form;
    form.Ranges[0] = {"22", "0", "6", "30", 20};
    form.Ranges[2] = {"1", "0", "2", "", 90};
    ASSERT_TRUE(Save(form).Saved);
    EXPECT_EQ(ini.ReadRaw("Jiho", "StartTime0"), "1899/12/30 22:00:00");
    EXPECT_EQ(ini.ReadRaw("Jiho", "EndTime0"), "1899/12/30 6:30:00");
    EXPECT_EQ(ini.ReadRaw("Jiho", "SetteiVolume0"), "20");
    EXPECT_FALSE(ini.ValueExists("Jiho", "StartTime2"));
    EXPECT_FALSE(ini.ValueExists("Jiho", "EndTime2"));
    EXPECT_EQ(ini.ReadRaw("Jiho", "SetteiVolume2"), "70");
    EXPECT_TRUE(SameMoment(live.JihoRangeStart[0], EncodeTime(22, 0, 0)));
    EXPECT_EQ(live.JihoRangeVolume[0], 20);
    EXPECT_EQ(live.JihoRangeStart[2], kRangeUnused);
}

TEST_F(DialogValuesIoTest, EmptySnoozeKeepsTheStoredInterval) {
    ini.WriteInteger("Alarm", "SnoozeInterval", 9);
    live.SnoozeInterval = 9;
    DialogValues form;
    form.SnoozeMinit = "";
    ASSERT_TRUE(Save(form).Saved);
    EXPECT_EQ(ini.ReadInteger("Alarm", "SnoozeInterval", 0), 9);
    EXPECT_EQ(live.SnoozeInterval, 9);
}

TEST_F(DialogValuesIoTest, LiveRecordFollowsTheForm) {
    ini.WriteString("Music", "1", "/music/a.ogg");
    DialogValues form;
    form.MusicPaths = {"/music/a.ogg"};
    form.MusicNo = 1;
    form.MusicRandom = true;  // one piece is nothing to pick from
    form.MusicRepeat = true;
    form.JihoMode = 0;
    form.JihoIntervalMinit = "20";
    form.GobiNo = 3;
    form.JihoBeforeSoundNo = 2;
    form.SpeakBeforeSound = true;
    form.Word = 4;
    form.ResumeTime = 4;
    form.NowTimeKey = "";  // switched off: stored empty, not left to the default
    ASSERT_TRUE(Save(form).Saved);
    EXPECT_EQ(ini.ReadRaw("NowTime", "Key"), "");
    EXPECT_EQ(live.NowTimeKey, "");
    EXPECT_EQ(live.MusicFile, "/music/a.ogg");
    EXPECT_EQ(live.MusicCount, 2);
    EXPECT_FALSE(live.MusicRandom);
    EXPECT_TRUE(live.MusicRepeat);
    EXPECT_EQ(live.JihoInterval, 20);
    EXPECT_EQ(live.Gobi, "だ。");
    EXPECT_EQ(live.JihoLeadSoundNo, 2);
    EXPECT_EQ(live.JihoBeforeSoundNo, 5);
    EXPECT_EQ(live.AlarmWordText, "おきろー。おきないとたいほするぞー。");
    EXPECT_EQ(live.ResumeWaiteTime, 5);
}

TEST_F(DialogValuesIoTest, MissingRecordingFallsBackToSpeaking) {
    DialogValues form;
    form.HowTo = 1;
    form.Word = 3;
    ASSERT_TRUE(Save(form).Saved);
    EXPECT_EQ(form.HowTo, 0);
    EXPECT_EQ(ini.ReadRaw("Alarm", "HowTo"), "0");
    EXPECT_EQ(ini.ReadRaw("Alarm", "Word"), "3");
    EXPECT_EQ(live.HowTo, 0);
}

TEST_F(DialogValuesIoTest, ARefusedWriteStopsTheSaveAndKeepsEarlierKeys) {
    std::filesystem::create_directory(dir.File("AlarmWord.txt"));  // cannot be replaced
    live.VoiceNo = 0;
    DialogValues form;
    form.VoiceNo = 5;
    form.Word = 1;
    form.OwnWords.OwnWords = {"おはよう"};
    form.OwnWords.OwnWordsPhonetic = {"おはよう"};
    const DialogValuesSaveResult result = Save(form);
    EXPECT_FALSE(result.Saved);
    EXPECT_NE(result.Error.find("AlarmWord.txt"), std::string::npos) << result.Error;
    EXPECT_EQ(ini.ReadRaw("VoiceNo", "Value"), "5");      // written before
    EXPECT_FALSE(ini.ValueExists("GoToSleep", "Value"));  // never reached
    EXPECT_EQ(live.VoiceNo, 0);                           // live record untouched
}

TEST(TrayMenuSyncTest, SetsMarksAndRunsTheCommandsOfTheChosenMode) {
    const std::vector<std::string> tail = {"check SpeakJiho on",         "run SpeakJiho",
                                           "check ShowClock off",        "run ShowClock",
                                           "check ClockAllwaysFront on", "check OnMouseHide off",
                                           "check BackColorGray off",    "check BackColorWhite on"};
    const std::pair<int, std::vector<std::string>> cases[] = {
        {1, {"check Alarm on", "check Snooze off", "run Alarm"}},
        {2, {"check Snooze on", "check Alarm off", "run Snooze"}},
        {0, {"check Alarm off", "check Snooze off", "run Alarm", "events", "run Snooze"}},
    };
    for (const auto& [mode, head] : cases) {
        test::FakeSettingsDialogHost host;
        DialogValues form;
        form.Alarm = mode;
        form.ShowClock = 0;
        form.BackColor = 1;
        BringTrayMenuInLine(host, form);
        std::vector<std::string> expected = head;
        expected.insert(expected.end(), tail.begin(), tail.end());
        EXPECT_EQ(host.log, expected) << "mode " << mode;
    }
}

}  // namespace
}  // namespace velmora
