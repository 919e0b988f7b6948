#include <gtest/gtest.h>

#include <filesystem>

#include "app/AutostartEntry.h"
#include "app/AutostartSwitch.h"
#include "support/TempDir.h"

namespace velmora {
namespace {

class AutostartSwitchTest : public ::testing::Test {
protected:
    std::string Program() const { return dir.File("prog/velmora"); }
    std::string Folder() const { return dir.File("autostart"); }
    std::string OurEntry() const { return Folder() + "/ベルモラ.desktop"; }
    void WriteEntry(const std::string& name, const std::string& exec) const {
        std::filesystem::create_directories(Folder());
        test::WriteBytes(Folder() + "/" + name,
                         "[Desktop Entry]\nType=Application\nExec=" + exec + "\n");
    }

    test::TempDir dir;
};

TEST_F(AutostartSwitchTest, RegistersAndUnregistersWithTheFourMessages) {
    AutostartSwitch autostart(Program(), Folder());
    EXPECT_FALSE(autostart.Registered());
    EXPECT_EQ(autostart.Caption(), "スタートアップに登録(&S)");

    const auto on = autostart.Register();
    EXPECT_TRUE(on.Succeeded);
    EXPECT_EQ(on.Message, "スタートアップに登録しました。");
    EXPECT_EQ(autostart.Caption(), "スタートアップから削除(&S)");
    EXPECT_EQ(autostart.EntryPath(), OurEntry());
    EXPECT_EQ(ResolveAutostartEntry(OurEntry()), Program());
    EXPECT_TRUE(AutostartSwitch(Program(), Folder()).Registered()) << "found again at a restart";

    const auto off = autostart.Unregister();
    EXPECT_TRUE(off.Succeeded);
    EXPECT_EQ(off.Message, "スタートアップから削除しました。");
    EXPECT_FALSE(std::filesystem::exists(OurEntry()));
    EXPECT_EQ(autostart.EntryPath(), OurEntry()) << "the path is kept after a delete";

    const auto again = autostart.Unregister();
    EXPECT_FALSE(again.Succeeded);
    EXPECT_EQ(again.Message, "スタートアップから削除できませんでした。");
}

TEST_F(AutostartSwitchTest, TheSameProgramElsewhereIsFoundButNotTakenForOurs) {
    WriteEntry("old.desktop", "/somewhere/else/velmora");
    AutostartSwitch autostart(Program(), Folder());
    EXPECT_EQ(autostart.EntryPath(), Folder() + "/old.desktop");
    EXPECT_FALSE(autostart.Registered());
    ASSERT_TRUE(autostart.Register().Succeeded);
    EXPECT_TRUE(std::filesystem::exists(Folder() + "/old.desktop"));
    EXPECT_TRUE(std::filesystem::exists(OurEntry()));

    // At the next start the other entry still sorts first; ours is found.
    AutostartSwitch restarted(Program(), Folder());
    EXPECT_TRUE(restarted.Registered());
    EXPECT_EQ(restarted.EntryPath(), OurEntry());
}

TEST_F(AutostartSwitchTest, LetterCaseOfTheStoredPathDoesNotMatter) {
    std::string shouted = Program();
    shouted.replace(shouted.find("prog/velmora"), 12, "PROG/Velmora");
    WriteEntry("mine.desktop", "\"" + shouted + "\"");
    EXPECT_TRUE(AutostartSwitch(Program(), Folder()).Registered());
}

TEST_F(AutostartSwitchTest, AFailedRegistrationChangesNothing) {
    // A file where the folder should be: nothing can be created in it.
    test::WriteBytes(Folder(), "not a folder");
    AutostartSwitch autostart(Program(), Folder());
    const auto on = autostart.Register();
    EXPECT_FALSE(on.Succeeded);
    EXPECT_EQ(on.Message, "スタートアップに登録できませんでした。");
    EXPECT_FALSE(autostart.Registered());
    EXPECT_EQ(autostart.EntryPath(), "");
}

}  // namespace
}  // namespace velmora
