#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

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
