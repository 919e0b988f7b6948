#include <gtest/gtest.h>

#include <filesystem>

#include "base/ShiftJis.h"
#include "fakes/FakePhoneticConverter.h"
#include "settings/SettingsFields.h"
#include "settings/SettingsLoader.h"
#include "support/TempDir.h"

namespace velmora {
namespace {

using test::TempDir;
using test::WriteBytes;

class LoadSettingsTest : public ::testing::Test {
protected:
    Settings Load() { return LoadSettings(ini, dir.Path(), converter); }
    void File(const std::string& utf8) { WriteBytes(dir.File("Settei.ini"), *Utf8ToSjis(utf8)); }

    TempDir dir;
    IniFile ini{dir.File("Settei.ini")};
    test::FakePhoneticConverter converter;
};

TEST_F(LoadSettingsTest, NoFileGivesEveryDefault) {
    const Settings s = Load();
    EXPECT_EQ(SettingsFields(s), SettingsFields(Settings{}));
    EXPECT_EQ(FormatDateTime(s.DayTime), "2011/01/01 7:00:00");
    EXPECT_EQ(s.JihoInterval, 60);
    EXPECT_EQ(s.Gobi, "で'す。");
    EXPECT_EQ(s.Word, 2);
    EXPECT_EQ(s.AlarmWordText, "あ'さですよ。お'きてください。");
    EXPECT_EQ(s.JihoRangeStart[0], kRangeUnused);
    EXPECT_TRUE(converter.asked.empty());
}

TEST_F(LoadSettingsTest, OnlyTheAlarmSwitchLeavesEveryFieldAtItsDefault) {
    File("[Alarm]\r\nUse=1\r\n");
    EXPECT_EQ(SettingsFields(Load()), SettingsFields(Settings{}));
}

TEST_F(LoadSettingsTest, AlarmTimesFollowTheMode) {
    File(
        "[Alarm]\r\nDayOrWeek=1\r\nDayTime=2011/01/01 5:00:00\r\n"
        "WeekTime1=2011/01/01 6:30:00\r\nWeekTime2=2011/01/01\r\nWeekTime3=1899/12/30\r\n");
    Settings s = Load();
    EXPECT_EQ(FormatDateTime(s.DayTime), "2011/01/01 7:00:00");  // not read in weekday mode
    EXPECT_EQ(FormatDateTime(s.WeekTime[1]), "2011/01/01 6:30:00");
    EXPECT_EQ(s.WeekTime[2], EncodeDate(2011, 1, 1));  // midnight: rings, unlike 0
    EXPECT_EQ(s.WeekTime[3], 0.0);
    EXPECT_EQ(s.WeekTime[0], 0.0);

    File(
        "[Alarm]\r\nDayOrWeek=0\r\nDayTime=2011/01/01 5:00:00\r\nWeekTime1=2011/01/01 6:30:00\r\n");
    s = Load();
    EXPECT_EQ(FormatDateTime(s.DayTime), "2011/01/01 5:00:00");
    EXPECT_EQ(s.WeekTime[1], 0.0);
}

TEST_F(LoadSettingsTest, NoAlarmDays) {
    File(
        "[NoAlarm]\r\nHoliday=1\r\nMonthEnd=1\r\nDayOfMonth15=1\r\nDayOfMonth31=1\r\n"
        "[NoAlarmMonth2]\r\nDay29=1\r\n[noalarmmonth12]\r\nday31=1\r\n");
    const Settings s = Load();
    EXPECT_TRUE(s.NoAlarmHoliday);
    EXPECT_TRUE(s.NoAlarmMonthEnd);
    EXPECT_TRUE(s.NoAlarmDayOfMonth[15]);
    EXPECT_TRUE(s.NoAlarmDayOfMonth[31]);
    EXPECT_FALSE(s.NoAlarmDayOfMonth[14]);
    EXPECT_TRUE(s.NoAlarmMonthDay[2][29]);
    EXPECT_TRUE(s.NoAlarmMonthDay[12][31]);
    EXPECT_FALSE(s.NoAlarmMonthDay[1][29]);
}

TEST_F(LoadSettingsTest, MusicNeedsASelectedEntry) {
    File("[Music]\r\nNo=2\r\nCount=2\r\n1=/a.mp3\r\nRandom=1\r\nRepeat=1\r\n");
    Settings s = Load();
    EXPECT_EQ(s.MusicFile, "");   // no key "2"
    EXPECT_FALSE(s.MusicRandom);  // fewer than three entries
    EXPECT_TRUE(s.MusicRepeat);

    File(
        "[Music]\r\nNo=1\r\nCount=3\r\n1=/音楽/a.mp3\r\n2=/"
        "b.mp3\r\nRandom=1\r\nOnVoiceStopPlayStop=1\r\n");
    s = Load();
    EXPECT_EQ(s.MusicFile, "/音楽/a.mp3");
    EXPECT_EQ(s.MusicCount, 3);
    EXPECT_TRUE(s.MusicRandom);
    EXPECT_TRUE(s.OnVoiceStopPlayStop);

    File("[Music]\r\nNo=0\r\nCount=5\r\nRandom=1\r\nRepeat=1\r\nOnVoiceStopPlayStop=1\r\n");
    s = Load();
    EXPECT_FALSE(s.MusicRandom);
    EXPECT_FALSE(s.MusicRepeat);
    EXPECT_FALSE(s.OnVoiceStopPlayStop);
}

TEST_F(LoadSettingsTest, TimeSignalIntervalsRangesAndEnding) {
    File(
        "[Jiho]\r\nMode=0\r\nMinitInterval=20\r\nHourInterval=3\r\nGobiNo=6\r\n"
        "StartTime0=1899/12/30 22:00:00\r\nEndTime0=1899/12/30 6:30:00\r\nSetteiVolume0=10\r\n"
        "StartTime1=1899/12/30 8:00:00\r\nSetteiVolume2=70\r\n");
    Settings s = Load();
    EXPECT_EQ(s.JihoMode, 0);
    EXPECT_EQ(s.JihoInterval, 20);
    EXPECT_EQ(s.Gobi, "だよーん。");
    EXPECT_EQ(s.JihoRangeStart[0], EncodeTime(22, 0, 0));
    EXPECT_EQ(s.JihoRangeEnd[0], EncodeTime(6, 30, 0));
    EXPECT_EQ(s.JihoRangeVolume[0], 10);
    EXPECT_EQ(s.JihoRangeStart[1], kRangeUnused);  // an end is missing: not in use
    EXPECT_EQ(s.JihoRangeVolume[2], 70);

    File("[Jiho]\r\nMode=7\r\nHourInterval=3\r\nGobiNo=7\r\n");
    s = Load();
    EXPECT_EQ(s.JihoMode, 1);  // any non-zero mode is the hour mode, marks included
    EXPECT_EQ(s.JihoInterval, 180);
    EXPECT_EQ(s.Gobi, "");
}

TEST_F(LoadSettingsTest, SpeakingFirstMovesTheSoundAheadAndTheToneAfter) {
    struct Case {
        int configured;
        int lead;
    };
    for (const Case c : {Case{0, 0}, Case{3, 3}, Case{5, 0}, Case{1, 1}}) {
        File("[Jiho]\r\nSpeakBeforeSound=1\r\nBeforeSoundNo=" + std::to_string(c.configured) +
             "\r\n");
        const Settings s = Load();
        EXPECT_EQ(s.JihoLeadSoundNo, c.lead) << c.configured;
        EXPECT_EQ(s.JihoBeforeSoundNo, 5) << c.configured;
    }
    File("[Jiho]\r\nSpeakBeforeSound=0\r\nBeforeSoundNo=3\r\n");
    EXPECT_EQ(Load().JihoBeforeSoundNo, 3);
    EXPECT_EQ(Load().JihoLeadSoundNo, 0);
}

TEST_F(LoadSettingsTest, RecordedVoiceNeedsItsFile) {
    File("[Alarm]\r\nHowTo=1\r\nWord=3\r\n");
    Settings s = Load();
    EXPECT_EQ(s.HowTo, 0);
    EXPECT_EQ(s.Word, 3);
    EXPECT_EQ(s.AlarmWordText, "あさだー。おきろー。");

    WriteBytes(dir.File("MyAlarm.wav"), "RIFF");
    s = Load();
    EXPECT_EQ(s.HowTo, 1);
    EXPECT_EQ(s.Word, 3);  // spoken when the recording cannot be read
    EXPECT_EQ(s.AlarmWordText, "あさだー。おきろー。");
}

TEST_F(LoadSettingsTest, OwnWordsAreReadAndKanjiConverted) {
    File("[Alarm]\r\nWord=1\r\nJisakuAlarmWordCount=3\r\n");
    WriteBytes(dir.File("AlarmWord.txt"), *Utf8ToSjis("おきて\r\r\n朝です\r\n"));
    const Settings s = Load();
    ASSERT_EQ(s.AlarmWords.size(), 2u);
    EXPECT_EQ(s.AlarmWords[0], "おきて");  // every CR removed
    EXPECT_EQ(s.AlarmWords[1], "よみ(朝です)");
    EXPECT_EQ(s.AlarmWordText, "おきて");
    EXPECT_EQ(converter.asked, std::vector<std::string>{"朝です"});
}

TEST_F(LoadSettingsTest, OwnWordsCountAndMissingFile) {
    File("[Alarm]\r\nWord=1\r\nJisakuAlarmWordCount=1\r\n");
    WriteBytes(dir.File("AlarmWord.txt"), *Utf8ToSjis("いち\r\nに\r\n"));
    EXPECT_EQ(Load().AlarmWords, std::vector<std::string>{"いち"});

    File("[Alarm]\r\nWord=1\r\nJisakuAlarmWordCount=0\r\n");
    EXPECT_TRUE(Load().AlarmWords.empty());
    EXPECT_EQ(Load().AlarmWordText, "");

    File("[Alarm]\r\nWord=1\r\nJisakuAlarmWordCount=2\r\n");
    std::filesystem::remove(dir.File("AlarmWord.txt"));
    EXPECT_TRUE(Load().AlarmWords.empty());
    EXPECT_EQ(Load().AlarmWordText, "");

    File("[Alarm]\r\nWord=0\r\n");
    EXPECT_EQ(Load().AlarmWordText, "");
}

// Stored values that would index past a table, divide by zero or stall the
// clock are mended at load; each choice is pinned down here.
TEST_F(LoadSettingsTest, OutOfRangeValuesAreMended) {
    struct Case {
        std::string file;
        std::string field;
        std::string expected;
    };
    const Case cases[] = {
        // A voice that does not exist falls back to the first; 6 (random) is kept.
        {"[VoiceNo]\r\nValue=7\r\n", "VoiceNo", "0"},
        {"[VoiceNo]\r\nValue=-1\r\n", "VoiceNo", "0"},
        {"[VoiceNo]\r\nValue=6\r\n", "VoiceNo", "6"},
        // Speed and volumes are clamped: the nearest speed/level the user can set.
        {"[SpeakSpead]\r\nValue=10\r\n", "SpeakSpead", "50"},
        {"[SpeakSpead]\r\nValue=1000\r\n", "SpeakSpead", "300"},
        {"[Alarm]\r\nFirstVolume=150\r\n", "FirstVolume", "100"},
        {"[Alarm]\r\nMaxVolume=-5\r\n", "MaxVolume", "0"},
        {"[Jiho]\r\nVolume=101\r\n", "JihoVolume", "100"},
        {"[Jiho]\r\nSetteiVolume1=400\r\n", "JihoRangeVolume[1]", "100"},
        // Wake-up lead time is clamped to 1..5 minutes.
        {"[ResumeWaiteTime]\r\nValue=0\r\n", "ResumeWaiteTime", "1"},
        {"[ResumeWaiteTime]\r\nValue=9\r\n", "ResumeWaiteTime", "5"},
        // A zero snooze would ring in a loop: default; beyond an hour: an hour.
        {"[Alarm]\r\nSnoozeInterval=0\r\n", "SnoozeInterval", "3"},
        {"[Alarm]\r\nSnoozeInterval=99\r\n", "SnoozeInterval", "60"},
        // Intervals outside what the dialog offers take the default.
        {"[Jiho]\r\nMode=0\r\nMinitInterval=0\r\n", "JihoInterval", "15"},
        {"[Jiho]\r\nMode=0\r\nMinitInterval=60\r\n", "JihoInterval", "15"},
        {"[Jiho]\r\nMode=1\r\nHourInterval=0\r\n", "JihoInterval", "60"},
        {"[Jiho]\r\nMode=1\r\nHourInterval=24\r\n", "JihoInterval", "60"},
        // A sound number past its list plays none.
        {"[Alarm]\r\nBeforeSoundNo=14\r\n", "BeforeSoundNo", "0"},
        {"[Alarm]\r\nBeforeSoundNo=15\r\nBeforeSoundCount=16\r\n", "BeforeSoundNo", "15"},
        {"[Jiho]\r\nBeforeSoundNo=-2\r\n", "JihoBeforeSoundNo", "0"},
        // Words and the recording switch: only the values the dialog writes.
        {"[Alarm]\r\nWord=9\r\n", "Word", "2"},
        {"[Alarm]\r\nWord=-1\r\n", "AlarmWordText", "あ'さですよ。お'きてください。"},
        {"[Music]\r\nNo=1\r\nCount=0\r\n", "MusicCount", "1"},
        // The time key: older files have none and get the default; an empty
        // value is the user's "none" and stays so.
        {"[VoiceNo]\r\nValue=1\r\n", "NowTimeKey", "Ctrl+Alt+Shift+T"},
        {"[NowTime]\r\nKey=\r\n", "NowTimeKey", ""},
        {"[NowTime]\r\nKey=Meta+F9\r\n", "NowTimeKey", "Meta+F9"},
    };
    for (const Case& c : cases) {
        File(c.file);
        bool found = false;
        for (const auto& [name, value] : SettingsFields(Load())) {
            if (name == c.field) {
                EXPECT_EQ(value, c.expected) << c.file;
                found = true;
            }
        }
        EXPECT_TRUE(found) << c.field;
    }
}

TEST_F(LoadSettingsTest, HowToTwoIsNotARecording) {
    WriteBytes(dir.File("MyAlarm.wav"), "RIFF");
    File("[Alarm]\r\nHowTo=2\r\n");
    EXPECT_EQ(Load().HowTo, 0);
}

TEST_F(LoadSettingsTest, FieldListFollowsTheRecordOrder) {
    const auto fields = SettingsFields(Settings{});
    ASSERT_FALSE(fields.empty());
    EXPECT_EQ(fields.front().first, "DayOrWeek");
    EXPECT_EQ(fields[1].first, "DayTime");
    EXPECT_EQ(fields[2].first, "WeekTime[0]");
    EXPECT_EQ(fields.back().first, "ResumeWaiteTime");
    size_t monthDays = 0;
    for (const auto& field : fields) {
        monthDays += field.first.starts_with("NoAlarmMonthDay[") ? 1u : 0u;
    }
    EXPECT_EQ(monthDays, 12u * 31u);
}

}  // namespace
}  // namespace velmora
