#include "support/TestEnvironment.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace velmora::test {

void IsolateEnvironment(const std::string& home) {
    std::error_code ec;
    std::filesystem::remove_all(home, ec);
    std::filesystem::create_directories(home + "/runtime", ec);
    std::filesystem::permissions(home + "/runtime", std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::replace, ec);
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home + "/.local/share").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", (home + "/.cache").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", (home + "/runtime").c_str(), 1);
}

std::string TestHomeFor(const char* argv0) {
    return std::string(VELMORA_TEST_HOME_ROOT) + "/" +
           std::filesystem::path(argv0).filename().string() + "-" + std::to_string(::getpid());
}

std::string ProgramDir() {
    return VELMORA_BIN_DIR;
}

}  // namespace velmora::test
