#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "schedule/x11/XcbEscapeKey.h"

namespace velmora::test {
namespace {

bool Xdotool(const std::string& args) {
    return std::system(("xdotool " + args + " >/dev/null 2>&1").c_str()) == 0;
}

template <typename Condition>
bool WaitFor(Condition condition) {
    for (int i = 0; i < 100; ++i) {
        if (condition()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

// Esc held on the virtual display, whatever window has the focus.
TEST(XcbEscapeKey, SeesEscapeHeldAndReleased) {
    if (std::getenv("DISPLAY") == nullptr) {
        GTEST_SKIP() << "needs a display (scripts/test starts a virtual one)";
    }
    XcbEscapeKey key;
    ASSERT_TRUE(key.Connected());
    EXPECT_FALSE(key.EscapeDown());
    ASSERT_TRUE(Xdotool("keydown Escape"));
    EXPECT_TRUE(WaitFor([&] { return key.EscapeDown(); }));
    ASSERT_TRUE(Xdotool("keyup Escape"));
    EXPECT_TRUE(WaitFor([&] { return !key.EscapeDown(); }));
    // Another key is not Esc.
    ASSERT_TRUE(Xdotool("keydown space"));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(key.EscapeDown());
    Xdotool("keyup space");
}

TEST(XcbEscapeKey, NeverDownWithoutADisplay) {
    XcbEscapeKey key(":987654");
    EXPECT_FALSE(key.Connected());
    EXPECT_FALSE(key.EscapeDown());
}

}  // namespace
}  // namespace velmora::test
