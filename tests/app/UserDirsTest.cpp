#include <gtest/gtest.h>

#include "app/UserDirs.h"

namespace velmora {
namespace {

TEST(UserDirs, FindsTheDocumentsLine) {
    const std::string content =
        "# This file is written by xdg-user-dirs-update\n"
        "XDG_DESKTOP_DIR=\"$HOME/デスクトップ\"\n"
        "XDG_DOCUMENTS_DIR=\"$HOME/ドキュメント\"\n";
    EXPECT_EQ(DocumentsDirFromUserDirs(content, "/home/u"), "/home/u/ドキュメント");
}

TEST(UserDirs, AbsoluteHomeOnlyAndMissing) {
    EXPECT_EQ(DocumentsDirFromUserDirs("XDG_DOCUMENTS_DIR=\"/data/docs/\"\n", "/home/u"),
              "/data/docs");
    // "$HOME/" alone means the folder is switched off and the home is used.
    EXPECT_EQ(DocumentsDirFromUserDirs("XDG_DOCUMENTS_DIR=\"$HOME/\"\n", "/home/u"), "/home/u");
    EXPECT_FALSE(DocumentsDirFromUserDirs("XDG_DOCUMENTS_DIR=\"docs\"\n", "/home/u").has_value());
    EXPECT_FALSE(
        DocumentsDirFromUserDirs("XDG_MUSIC_DIR=\"$HOME/Music\"\n", "/home/u").has_value());
    EXPECT_FALSE(DocumentsDirFromUserDirs("#XDG_DOCUMENTS_DIR=\"/x\"\n", "/home/u").has_value());
    EXPECT_FALSE(DocumentsDirFromUserDirs("", "/home/u").has_value());
}

}  // namespace
}  // namespace velmora
