#pragma once

#include <string>

namespace velmora {

// One running instance per user session, by name. The lock lives in the
// user's runtime folder and is held through an open file, so the kernel
// drops it the moment the process ends, crash or not: no stale lock.
class SingleInstance final {
public:
    explicit SingleInstance(const std::string& name);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another process holds the name.
    bool Acquired() const { return acquired_; }
    const std::string& LockPath() const { return path_; }

private:
    std::string path_;
    int fd_ = -1;
    bool acquired_ = false;
};

}  // namespace velmora
