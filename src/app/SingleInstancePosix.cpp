#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "app/SingleInstance.h"

namespace velmora {
namespace {

enum class FolderCheck { Private, NotOurs, Missing };

// Anyone may create a name in /tmp first, so a folder found there is ours
// only if it is a real folder (a symbolic link is not followed), owned by
// us, and closed to the group and to others.
FolderCheck CheckPrivateFolder(const std::string& folder) {
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0) {
        return FolderCheck::Missing;
    }
    if (!S_ISDIR(st.st_mode) || st.st_uid != ::geteuid() || (st.st_mode & 077) != 0) {
        return FolderCheck::NotOurs;
    }
    return FolderCheck::Private;
}

}  // namespace

std::string FallbackRuntimeFolder() {
    return "/tmp/velmora-" + std::to_string(::getuid());
}

SingleInstance::SingleInstance(const std::string& name, const std::string& fallbackFolder) {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        runtime != nullptr && runtime[0] == '/') {
        folder_ = runtime;
    } else {
        folder_ = fallbackFolder;
        ::mkdir(folder_.c_str(), 0700);
        switch (CheckPrivateFolder(folder_)) {
            case FolderCheck::NotOurs:
                folderRefused_ = true;
                return;
            case FolderCheck::Missing:
                // Nowhere to keep a lock: running twice is better than never
                // running at all.
                acquired_ = true;
                return;
            case FolderCheck::Private:
                break;
        }
    }
    path_ = folder_ + "/" + name;
    fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0) {
        // Without a lock file we cannot tell; as above.
        acquired_ = true;
        return;
    }
    int rc;
    do {
        rc = ::flock(fd_, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    acquired_ = rc == 0;
}

SingleInstance::~SingleInstance() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

}  // namespace velmora
