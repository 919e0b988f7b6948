#pragma once

#include <string>

namespace velmora {

// The lock's folder when the session has no runtime folder:
// "/tmp/velmora-" + the user id.
std::string FallbackRuntimeFolder();

// One running instance per user session, by name. The lock lives in the
// user's runtime folder and is held through an open file, so the kernel
// drops it the moment the process ends, crash or not: no stale lock.
class SingleInstance final {
public:
    // `fallbackFolder` holds the lock when XDG_RUNTIME_DIR is not set.
    explicit SingleInstance(const std::string& name,
                            const std::string& fallbackFolder = FallbackRuntimeFolder());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another process holds the name, or the folder is refused.
    bool Acquired() const { return acquired_; }
    // The fallback folder is not ours alone (another user's, a symbolic
    // link, or open to others): whoever controls it could hold our lock or
    // swap its file, so nothing was locked there.
    bool FolderRefused() const { return folderRefused_; }
    const std::string& Folder() const { return folder_; }
    const std::string& LockPath() const { return path_; }

private:
    std::string folder_;
    std::string path_;
    int fd_ = -1;
    bool acquired_ = false;
    bool folderRefused_ = false;
};

}  // namespace velmora
