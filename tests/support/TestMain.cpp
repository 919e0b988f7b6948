#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/TestEnvironment.h"

int main(int argc, char** argv) {
    const std::string home = velmora::test::TestHomeFor(argv[0]);
    velmora::test::IsolateEnvironment(home);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    std::error_code ec;
    std::filesystem::remove_all(home, ec);
    return result;
}
