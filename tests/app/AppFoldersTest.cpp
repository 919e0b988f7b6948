#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/ProgramFolders.h"
#include "support/TempDir.h"

namespace velmora {
namespace {

class AppFoldersTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("HOME", home.Path().c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (home.Path() + ".config").c_str(), 1);
    }
    test::TempDir home;
};

TEST_F(AppFoldersTest, DataFolderIsCreatedInsideDocuments) {
    const AppFolders folders = PrepareFolders();
    EXPECT_EQ(folders.DataFolder, home.Path() + "Documents/ハルカゼ舎/VelmoraData/");
    EXPECT_TRUE(std::filesystem::is_directory(folders.DataFolder));
    EXPECT_EQ(folders.ProgramFolder.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(folders.ProgramFolder + "app_tests"));
}

TEST_F(AppFoldersTest, FollowsTheUserDirsConfiguration) {
    std::filesystem::create_directories(home.Path() + ".config");
    test::WriteBytes(home.Path() + ".config/user-dirs.dirs",
                     "XDG_DOCUMENTS_DIR=\"$HOME/ドキュメント\"\n");
    EXPECT_EQ(PrepareFolders().DataFolder, home.Path() + "ドキュメント/ハルカゼ舎/VelmoraData/");
}

TEST_F(AppFoldersTest, LeftoverWakeUpProgramIsRemoved) {
    test::TempDir program;
    test::WriteBytes(program.File("WakeUp_Velmora.exe"), "MZ");
    test::WriteBytes(program.File("keep.txt"), "x");
    RemoveLeftoverWakeUpProgram(program.Path());
    EXPECT_FALSE(std::filesystem::exists(program.File("WakeUp_Velmora.exe")));
    EXPECT_TRUE(std::filesystem::exists(program.File("keep.txt")));
    RemoveLeftoverWakeUpProgram(program.Path());  // nothing left: no complaint
}

}  // namespace
}  // namespace velmora
