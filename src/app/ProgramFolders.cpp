#include "app/ProgramFolders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "app/UserDirs.h"
#include "settings/DurableFile.h"

namespace velmora {
namespace {

std::string WithoutSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
        return WithoutSlash(home);
    }
    if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr) {
        return pw->pw_dir;
    }
    return "/tmp";
}

std::string WithSlash(std::string path) {
    if (path.empty() || path.back() != '/') {
        path += '/';
    }
    return path;
}

}  // namespace

std::string FindProgramFolder() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        return WithSlash(std::filesystem::current_path(ec).string());
    }
    return WithSlash(exe.parent_path().string());
}

std::string FindProgramFile() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.string();
}

std::string FindDocumentsFolder() {
    const std::string home = HomeFolder();
    std::string configHome;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && xdg[0] == '/') {
        configHome = WithoutSlash(xdg);
    } else {
        configHome = home + "/.config";
    }
    if (const auto content = ReadWholeFile(configHome + "/user-dirs.dirs")) {
        if (auto documents = DocumentsDirFromUserDirs(*content, home)) {
            return *documents;
        }
    }
    return home + "/Documents";
}

std::string DataFolderIn(const std::string& documentsFolder) {
    return WithSlash(documentsFolder) + "ハルカゼ舎/VelmoraData/";
}

AppFolders PrepareFolders() {
    AppFolders folders{FindProgramFolder(), DataFolderIn(FindDocumentsFolder())};
    std::error_code ec;
    std::filesystem::create_directories(folders.DataFolder, ec);
    return folders;
}

void RemoveLeftoverWakeUpProgram(const std::string& programFolder) {
    std::error_code ec;
    std::filesystem::remove(programFolder + "WakeUp_Velmora.exe", ec);
}

}  // namespace velmora
