#include <gtest/gtest.h>

#include "settings/AlarmWordFile.h"
#include "settings/StartupSettings.h"
#include "support/TempDir.h"

namespace velmora {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

TEST(StartupSettings, DefaultsWithoutAFile) {
    TempDir dir;
    const StartupSettings s = ReadStartupSettings(IniFile(dir.File("Settei.ini")));
    EXPECT_TRUE(s.ShowClock);
    EXPECT_TRUE(s.AllwaysFront);
    EXPECT_FALSE(s.OnMouseHide);
    EXPECT_FALSE(s.Alarm);
    EXPECT_FALSE(s.Snooze);
    EXPECT_TRUE(s.SpeakJiho);
    EXPECT_TRUE(s.BackColorGray);
    EXPECT_EQ(s.AlarmBeforeSoundCount, 14);
    EXPECT_EQ(s.JihoBeforeSoundCount, 6);
}

TEST(StartupSettings, SnoozeWinsAndAnyOtherColourIsWhite) {
    TempDir dir;
    WriteBytes(dir.File("Settei.ini"),
               "[Alarm]\r\nUse=1\r\nSnooze=1\r\nBeforeSoundCount=3\r\n"
               "[Clock]\r\nBackColor=gray\r\nShow=0\r\n[Jiho]\r\nBeforeSoundCount=9\r\n");
    const StartupSettings s = ReadStartupSettings(IniFile(dir.File("Settei.ini")));
    EXPECT_FALSE(s.Alarm);
    EXPECT_TRUE(s.Snooze);
    EXPECT_FALSE(s.BackColorGray);  // the colour name is compared exactly
    EXPECT_FALSE(s.ShowClock);
    EXPECT_EQ(s.AlarmBeforeSoundCount, 14);  // never fewer than the built-in sounds
    EXPECT_EQ(s.JihoBeforeSoundCount, 9);
}

TEST(StartupSettings, ClockPositionAndFont) {
    TempDir dir;
    WriteBytes(
        dir.File("Settei.ini"),
        "[ClockPosition]\r\nSet=1\r\nX=10\r\nY=20\r\n[FontName]\r\nValue=Noto Sans CJK JP\r\n");
    const IniFile ini(dir.File("Settei.ini"));
    const ClockPosition p = ReadClockPosition(ini, 1920, 1080);
    EXPECT_TRUE(p.Set);
    EXPECT_EQ(p.MonitorX, 1920);
    EXPECT_EQ(p.MonitorY, 1080);
    EXPECT_EQ(p.X, 10);
    EXPECT_EQ(p.Y, 20);
    const auto installed = [](const std::string& name) { return name == "Noto Sans CJK JP"; };
    EXPECT_EQ(ReadFontName(ini, "Menu", installed), "Noto Sans CJK JP");
    EXPECT_EQ(ReadFontName(ini, "Menu", [](const std::string&) { return false; }), "Menu");
}

TEST(AlarmWordFile, WritesShiftJisLinesAndRefusesWhatItCannotHold) {
    TempDir dir;
    const std::string path = dir.File("AlarmWord.txt");
    std::string error;
    ASSERT_TRUE(WriteAlarmWords(path, {"おはよう", "起きて〜"}, error)) << error;
    EXPECT_EQ(ReadBytes(path),
              "\x82\xA8\x82\xCD\x82\xE6\x82\xA4\r\n\x8B\x4E\x82\xAB\x82\xC4\x81\x60\r\n");
    EXPECT_EQ(ReadAlarmWords(path, 5), (std::vector<std::string>{"おはよう", "起きて～"}));
    EXPECT_FALSE(WriteAlarmWords(path, {"𠮷"}, error));
    EXPECT_NE(error.find("AlarmWord.txt"), std::string::npos);
    EXPECT_EQ(ReadAlarmWords(path, 5).size(), 2u);  // the old words are still there
}

}  // namespace
}  // namespace velmora
