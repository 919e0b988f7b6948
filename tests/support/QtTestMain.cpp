#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/TestEnvironment.h"

int main(int argc, char** argv) {
    const std::string home = velmora::test::TestHomeFor(argv[0]);
    velmora::test::IsolateEnvironment(home);
    // Widgets are tested without a screen; tests that drive the real program
    // on the virtual display choose the platform for that process themselves.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::testing::InitGoogleTest(&argc, argv);
    int result = 0;
    {
        QApplication app(argc, argv);
        result = RUN_ALL_TESTS();
    }
    std::error_code ec;
    std::filesystem::remove_all(home, ec);
    return result;
}
