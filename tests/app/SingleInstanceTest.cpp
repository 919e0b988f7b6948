#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "app/SingleInstance.h"
#include "support/TempDir.h"

namespace velmora {
namespace {

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1); }
    test::TempDir runtime;
};

TEST_F(SingleInstanceTest, SecondHolderOfTheNameIsRefused) {
    SingleInstance first("VelmoraMutex");
    ASSERT_TRUE(first.Acquired());
    EXPECT_EQ(first.LockPath(), runtime.Path() + "/VelmoraMutex");
    SingleInstance second("VelmoraMutex");
    EXPECT_FALSE(second.Acquired());
    SingleInstance other("SomethingElse");
    EXPECT_TRUE(other.Acquired());
}

TEST_F(SingleInstanceTest, NameIsFreeAgainWhenTheHolderGoes) {
    { SingleInstance first("VelmoraMutex"); }
    SingleInstance again("VelmoraMutex");
    EXPECT_TRUE(again.Acquired());
}

// Without a session runtime folder the lock goes to a folder in /tmp that
// anyone could have made first: it is used only if it is ours alone.
TEST_F(SingleInstanceTest, TheFallbackFolderMustBeOursAlone) {
    ::unsetenv("XDG_RUNTIME_DIR");
    test::TempDir root;
    const std::string elsewhere = root.File("elsewhere");
    ASSERT_EQ(::mkdir(elsewhere.c_str(), 0700), 0);
    const auto folderOfMode = [](mode_t mode) {
        return [mode](const std::string& folder) {
            ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
            ASSERT_EQ(::chmod(folder.c_str(), mode), 0);
        };
    };
    struct Case {
        const char* what;
        std::function<void(const std::string&)> make;
        bool refused;
    };
    const Case cases[] = {
        {"made by us", [](const std::string&) {}, false},
        {"ours, 0700", folderOfMode(0700), false},
        {"open to others, 0755", folderOfMode(0755), true},
        {"open to the group, 0770", folderOfMode(0770), true},
        {"a link to a folder of ours",
         [&](const std::string& folder) {
             ASSERT_EQ(::symlink(elsewhere.c_str(), folder.c_str()), 0);
         },
         true},
        {"a file", [](const std::string& folder) { test::WriteBytes(folder, ""); }, true},
    };
    int n = 0;
    for (const Case& c : cases) {
        const std::string folder = root.File("velmora-" + std::to_string(n++));
        c.make(folder);
        const SingleInstance instance("VelmoraMutex", folder);
        EXPECT_EQ(instance.FolderRefused(), c.refused) << c.what;
        EXPECT_EQ(instance.Acquired(), !c.refused) << c.what;
        if (!c.refused) {
            EXPECT_EQ(instance.LockPath(), folder + "/VelmoraMutex") << c.what;
            struct stat st {};
            ASSERT_EQ(::lstat(folder.c_str(), &st), 0);
            EXPECT_EQ(st.st_mode & 0777, 0700U) << c.what;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(elsewhere + "/VelmoraMutex")) << "the link was followed";
}

TEST_F(SingleInstanceTest, AFallbackFolderOfAnotherUserIsRefused) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can give a folder to another user";
    }
    ::unsetenv("XDG_RUNTIME_DIR");
    test::TempDir root;
    const std::string folder = root.File("velmora-0");
    ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
    ASSERT_EQ(::chown(folder.c_str(), 65534, 65534), 0);  // nobody
    const SingleInstance instance("VelmoraMutex", folder);
    EXPECT_TRUE(instance.FolderRefused());
    EXPECT_FALSE(instance.Acquired());
}

TEST_F(SingleInstanceTest, KilledHolderLeavesNoStaleLock) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SingleInstance held("VelmoraMutex");
        const char ok = held.Acquired() ? 'y' : 'n';
        (void)::write(ready[1], &ok, 1);
        ::pause();
        ::_exit(0);
    }
    char ok = 0;
    ASSERT_EQ(::read(ready[0], &ok, 1), 1);
    ASSERT_EQ(ok, 'y');
    EXPECT_FALSE(SingleInstance("VelmoraMutex").Acquired());
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(SingleInstance("VelmoraMutex").Acquired());
    ::close(ready[0]);
    ::close(ready[1]);
}

}  // namespace
}  // namespace velmora
