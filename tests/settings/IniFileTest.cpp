#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "base/ShiftJis.h"
#include "settings/IniFile.h"
#include "support/TempDir.h"

namespace velmora {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

class IniFileTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = dir.File("Settei.ini");
    IniFile ini{path};
};

TEST_F(IniFileTest, WritesShiftJisWithCrLfAndReadsItBack) {
    ASSERT_TRUE(ini.WriteString("Music", "1", "/home/u/音楽/朝.mp3"));
    ASSERT_TRUE(ini.WriteInteger("Alarm", "FirstVolume", -1));
    ASSERT_TRUE(ini.WriteBool("Alarm", "Use", true));
    ASSERT_TRUE(
        ini.WriteDateTime("Alarm", "DayTime", EncodeDate(2011, 1, 1) + EncodeTime(6, 5, 0)));
    EXPECT_EQ(ReadBytes(path), "[Music]\r\n1=" + *Utf8ToSjis("/home/u/音楽/朝.mp3") +
                                   "\r\n[Alarm]\r\nFirstVolume=-1\r\nUse=1\r\n"
                                   "DayTime=2011/01/01 6:05:00\r\n");
    EXPECT_EQ(ini.ReadString("music", "1", ""), "/home/u/音楽/朝.mp3");
    EXPECT_EQ(ini.ReadInteger("Alarm", "FirstVolume", 50), -1);
    EXPECT_TRUE(ini.ReadBool("ALARM", "use", false));
    EXPECT_EQ(ini.ReadDateTime("Alarm", "DayTime", 0),
              EncodeDate(2011, 1, 1) + EncodeTime(6, 5, 0));
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST_F(IniFileTest, ReadsValuesAsTheDialectSays) {
    WriteBytes(path,
               "[Alarm]\r\nFirstVolume=0x1E\r\nMaxVolume=abc\r\nUse=2\r\nSnooze=x\r\n"
               "DayTime=2011/01/01\r\nWeekTime3=garbage\r\nWeekTime4=\r\n");
    EXPECT_EQ(ini.ReadInteger("Alarm", "FirstVolume", 50), 30);
    EXPECT_EQ(ini.ReadInteger("Alarm", "MaxVolume", 50), 50);
    EXPECT_TRUE(ini.ReadBool("Alarm", "Use", false));
    EXPECT_TRUE(ini.ReadBool("Alarm", "Snooze", true));  // unreadable gives the default
    EXPECT_EQ(ini.ReadDateTime("Alarm", "DayTime", 1.0), EncodeDate(2011, 1, 1));
    EXPECT_EQ(ini.ReadDateTime("Alarm", "WeekTime3", 1.0), 1.0);
    EXPECT_EQ(ini.ReadDateTime("Alarm", "WeekTime4", 1.0), 1.0);
    EXPECT_TRUE(ini.ValueExists("alarm", "weektime4"));
    EXPECT_FALSE(ini.ValueExists("Alarm", "WeekTime5"));
}

TEST_F(IniFileTest, StoresTheTwoTimeOfDayForms) {
    ini.WriteDateTime("Alarm", "WeekTime0", 0.0);
    ini.WriteDateTime("Alarm", "WeekTime1", EncodeDate(2011, 1, 1));
    ini.WriteDateTime("Jiho", "StartTime0", EncodeTime(22, 0, 0));
    ini.WriteDateTime("Jiho", "EndTime0", EncodeTime(6, 30, 0));
    EXPECT_EQ(ReadBytes(path),
              "[Alarm]\r\nWeekTime0=1899/12/30\r\nWeekTime1=2011/01/01\r\n"
              "[Jiho]\r\nStartTime0=1899/12/30 22:00:00\r\nEndTime0=1899/12/30 6:30:00\r\n");
    EXPECT_EQ(ini.ReadDateTime("Alarm", "WeekTime0", -5), 0.0);
}

TEST_F(IniFileTest, MissingEmptyOrFolderGivesDefaults) {
    EXPECT_FALSE(ini.Exists());
    EXPECT_EQ(ini.ReadInteger("Alarm", "FirstVolume", 50), 50);
    WriteBytes(path, "");
    EXPECT_TRUE(ini.Exists());
    EXPECT_EQ(ini.ReadString("Clock", "BackColor", "Gray"), "Gray");
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    EXPECT_EQ(ini.ReadInteger("Alarm", "FirstVolume", 50), 50);
    EXPECT_FALSE(ini.ValueExists("Alarm", "FirstVolume"));
}

TEST_F(IniFileTest, UnreadableFileGivesDefaults) {
    WriteBytes(path, "[Alarm]\r\nFirstVolume=10\r\n");
    ::chmod(path.c_str(), 0);
    ::chmod(dir.Path().c_str(), 0777);
    // Root reads any file, so as root the check runs as an unprivileged user.
    const auto check = [this] {
        IniFile other(path);
        const bool defaults = other.ReadInteger("Alarm", "FirstVolume", 50) == 50;
        // Rewriting a file we cannot read would throw away what it holds.
        const bool refused = !other.WriteInteger("Alarm", "MaxVolume", 1);
        return defaults && refused;
    };
    if (::geteuid() != 0) {
        EXPECT_TRUE(check());
        return;
    }
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const bool dropped = ::setgid(65534) == 0 && ::setuid(65534) == 0;
        ::_exit(dropped && check() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ::chmod(path.c_str(), 0600);
    EXPECT_EQ(ini.ReadInteger("Alarm", "FirstVolume", 50), 10);
    EXPECT_FALSE(ini.ValueExists("Alarm", "MaxVolume"));
}

TEST_F(IniFileTest, RefusedWriteNamesTheFileAndKeepsWhatWasWritten) {
    ASSERT_TRUE(ini.WriteInteger("Alarm", "FirstVolume", 10));
    const std::string before = ReadBytes(path);
    // The temporary file's place is taken, so the new content cannot be staged.
    std::filesystem::create_directory(path + ".tmp");
    EXPECT_FALSE(ini.WriteInteger("Alarm", "MaxVolume", 90));
    EXPECT_NE(ini.LastError().find(path), std::string::npos) << ini.LastError();
    EXPECT_NE(ini.LastError().find("書き込めません"), std::string::npos);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(ini.ReadInteger("Alarm", "FirstVolume", 50), 10);
}

TEST_F(IniFileTest, WriteOverAFolderOrIntoAMissingFolderFails) {
    std::filesystem::create_directory(path);
    EXPECT_FALSE(ini.WriteInteger("Alarm", "Use", 1));
    EXPECT_TRUE(std::filesystem::is_directory(path));
    IniFile nowhere(dir.File("missing/Settei.ini"));
    EXPECT_FALSE(nowhere.WriteInteger("Alarm", "Use", 1));
    EXPECT_NE(nowhere.LastError().find("フォルダーがありません"), std::string::npos);
}

TEST_F(IniFileTest, APipeInItsPlaceIsRefusedAtOnce) {
    EXPECT_EQ(ini.ReadProblem(), "") << "a missing file is no problem";
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    // Apart and with a deadline, so waiting for a writer fails the test
    // instead of hanging it.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::alarm(30);
        IniFile other(path);
        const bool refused =
            other.ReadInteger("Alarm", "Use", 7) == 7 && !other.WriteInteger("Alarm", "Use", 1) &&
            other.ReadProblem().find("通常のファイルではありません") != std::string::npos &&
            other.LastError().find("通常のファイルではありません") != std::string::npos &&
            other.LastError().find(path) != std::string::npos;
        ::_exit(refused ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_TRUE(std::filesystem::is_fifo(path));
}

TEST_F(IniFileTest, RefusesTextsTheFileCannotHold) {
    ASSERT_TRUE(ini.WriteString("Music", "1", "a.mp3"));
    const std::string before = ReadBytes(path);
    EXPECT_FALSE(ini.WriteString("Music", "1", "/music/𠮷.mp3"));
    EXPECT_NE(ini.LastError().find("𠮷"), std::string::npos);
    EXPECT_FALSE(ini.WriteString("Music", "1", "/music/a〜b.mp3"));  // would come back as ～
    EXPECT_FALSE(ini.WriteString("Music", "1", "a\r\n[Alarm]\r\nUse=1"));
    EXPECT_EQ(ReadBytes(path), before);
}

TEST_F(IniFileTest, SeesChangesMadeByOthers) {
    ASSERT_TRUE(ini.WriteInteger("Alarm", "FirstVolume", 10));
    EXPECT_EQ(ini.ReadInteger("Alarm", "FirstVolume", 0), 10);
    IniFile other(path);
    ASSERT_TRUE(other.WriteInteger("Alarm", "FirstVolume", 20));
    EXPECT_EQ(ini.ReadInteger("Alarm", "FirstVolume", 0), 20);
    WriteBytes(path, "[Alarm]\r\nFirstVolume=30\r\n");  // edited in place by hand
    EXPECT_EQ(ini.ReadInteger("Alarm", "FirstVolume", 0), 30);
}

TEST_F(IniFileTest, DeleteKeyRemovesOnlyThatLine) {
    WriteBytes(path, "[NoAlarmMonth2]\r\nDay29=1\r\nDay3=1\r\n");
    EXPECT_TRUE(ini.DeleteKey("NoAlarmMonth2", "Day29"));
    EXPECT_TRUE(ini.DeleteKey("NoAlarmMonth2", "Day30"));  // absent: nothing to do
    EXPECT_EQ(ReadBytes(path), "[NoAlarmMonth2]\r\nDay3=1\r\n");
    IniFile missing(dir.File("none.ini"));
    EXPECT_TRUE(missing.DeleteKey("A", "b"));
    EXPECT_FALSE(missing.Exists());
}

TEST_F(IniFileTest, KeepsTheFileMode) {
    ASSERT_TRUE(ini.WriteInteger("A", "b", 1));
    ::chmod(path.c_str(), 0600);
    ASSERT_TRUE(ini.WriteInteger("A", "b", 2));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(IniFileTest, ConcurrentWritersLoseNothing) {
    // Two processes each write their own keys at the same time; every
    // read-modify-write is serialised, so all keys end up in the file.
    constexpr int kKeys = 40;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        IniFile mine(path);
        bool ok = true;
        for (int i = 0; i < kKeys; ++i) {
            ok = mine.WriteInteger("Child", "k" + std::to_string(i), i) && ok;
        }
        ::_exit(ok ? 0 : 1);
    }
    for (int i = 0; i < kKeys; ++i) {
        EXPECT_TRUE(ini.WriteInteger("Parent", "k" + std::to_string(i), i));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    for (int i = 0; i < kKeys; ++i) {
        EXPECT_EQ(ini.ReadInteger("Parent", "k" + std::to_string(i), -1), i);
        EXPECT_EQ(ini.ReadInteger("Child", "k" + std::to_string(i), -1), i);
    }
}

TEST_F(IniFileTest, LongLinesAndJunkNeverCrash) {
    std::string junk = "[Alarm]\r\nFirstVolume=" + std::string(100000, '7') + "\r\n";
    for (int i = 0; i < 2000; ++i) {
        junk += static_cast<char>(i % 251);
    }
    WriteBytes(path, junk);
    EXPECT_EQ(ini.ReadInteger("Alarm", "FirstVolume", 50), 50);  // does not fit an integer
    EXPECT_EQ(ini.ReadString("Alarm", "FirstVolume", "").size(), 2047u);
    EXPECT_TRUE(ini.WriteInteger("Alarm", "MaxVolume", 60));
    EXPECT_EQ(ini.ReadInteger("Alarm", "MaxVolume", 0), 60);
}

}  // namespace
}  // namespace velmora
