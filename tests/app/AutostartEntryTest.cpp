#include <gtest/gtest.h>

#include <filesystem>

#include "app/AutostartEntry.h"
#include "support/TempDir.h"

namespace velmora {
namespace {

TEST(AutostartEntry, ExecWordUndoesBothQuotingLayers) {
    struct Case {
        const char* exec;
        const char* word;
    };
    const Case cases[] = {
        {"/usr/bin/velmora", "/usr/bin/velmora"},
        {"/usr/bin/velmora --flag", "/usr/bin/velmora"},
        {"\"/opt/my apps/velmora\" %U", "/opt/my apps/velmora"},
        {"\"/opt/a\\\\\"b/velmora\"", "/opt/a\"b/velmora"},    // \" inside quotes
        {"\"/opt/c\\\\\\\\d/velmora\"", "/opt/c\\d/velmora"},  // a real backslash
        {"\"/opt/\\\\$HOME/velmora\"", "/opt/$HOME/velmora"},
        {"  /usr/bin/velmora", "/usr/bin/velmora"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FirstExecWord(c.exec), c.word) << c.exec;
    }
}

TEST(AutostartEntry, CreatedEntryStartsExactlyThisProgram) {
    test::TempDir dir;
    const std::string program = dir.Path() + "ベルモラ の \"版\" $1\\x/velmora";
    const auto entry = CreateAutostartEntry(program, dir.Path() + "autostart");
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(*entry, dir.Path() + "autostart/ベルモラ.desktop");
    EXPECT_EQ(ResolveAutostartEntry(*entry), program);
    EXPECT_TRUE(AutostartEntryIsOurs(*entry, program));
    EXPECT_EQ(FindAutostartEntryTo(program, dir.Path() + "autostart"), *entry);
    const std::string text = test::ReadBytes(*entry);
    EXPECT_NE(text.find("Name=ベルモラ\n"), std::string::npos);
    EXPECT_NE(text.find("Type=Application\n"), std::string::npos);
}

TEST(AutostartEntry, SameNameElsewhereIsFoundButNotOurs) {
    test::TempDir dir;
    const std::string folder = dir.Path() + "autostart";
    std::filesystem::create_directories(folder);
    test::WriteBytes(folder + "/other.desktop",
                     "[Desktop Entry]\nType=Application\nExec=/old/place/VELMORA --x\n");
    test::WriteBytes(folder + "/unrelated.desktop", "[Desktop Entry]\nExec=/usr/bin/xterm\n");
    test::WriteBytes(folder + "/broken.desktop", "\x01\x02garbage");
    const std::string found = FindAutostartEntryTo("/new/place/velmora", folder);
    EXPECT_EQ(found, folder + "/other.desktop");
    EXPECT_FALSE(AutostartEntryIsOurs(found, "/new/place/velmora"));
    EXPECT_TRUE(AutostartEntryIsOurs(found, "/OLD/place/velmora"));  // letter case aside
    EXPECT_EQ(FindAutostartEntryTo("/new/place/velmora", dir.Path() + "missing"), "");
}

TEST(AutostartEntry, ExecOutsideTheEntryGroupDoesNotCount) {
    test::TempDir dir;
    test::WriteBytes(dir.File("a.desktop"),
                     "[Desktop Action New]\nExec=/usr/bin/velmora\n[Desktop Entry]\nName=x\n");
    EXPECT_EQ(ResolveAutostartEntry(dir.File("a.desktop")), "");
    EXPECT_EQ(ResolveAutostartEntry(dir.File("none.desktop")), "");
}

TEST(AutostartEntry, FolderFollowsXdgConfigHome) {
    ::setenv("XDG_CONFIG_HOME", "/somewhere/config", 1);
    EXPECT_EQ(AutostartFolder(), "/somewhere/config/autostart");
    ::setenv("XDG_CONFIG_HOME", "relative", 1);
    ::setenv("HOME", "/home/u", 1);
    EXPECT_EQ(AutostartFolder(), "/home/u/.config/autostart");
}

}  // namespace
}  // namespace velmora
