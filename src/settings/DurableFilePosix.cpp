#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "settings/DurableFile.h"

namespace velmora {
namespace {

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    bool ok() const { return fd_ >= 0; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

std::string ReasonOf(int err) {
    switch (err) {
        case ENOSPC:
        case EDQUOT:
            return "ディスクの空き容量が足りません。";
        case EACCES:
        case EPERM:
            return "書き込む権限がありません。";
        case EROFS:
            return "読み取り専用の場所です。";
        case EISDIR:
            return "同じ名前のフォルダーがあります。";
        case ENOENT:
        case ENOTDIR:
            return "保存先のフォルダーがありません。";
        case EIO:
            return "ディスクの読み書きに失敗しました。";
        default:
            return "エラー番号 " + std::to_string(err) + " です。";
    }
}

std::string FailureMessage(const std::string& path, int err) {
    return "「" + path + "」に書き込めません。\n" + ReasonOf(err);
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

FileStamp StampFromStat(const struct stat& st) {
    return FileStamp{
        static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
        static_cast<std::int64_t>(st.st_size),
        static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
}

}  // namespace

std::optional<FileStamp> StampOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return std::nullopt;
    }
    return StampFromStat(st);
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.ok()) {
        return std::nullopt;
    }
    std::string content;
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return std::nullopt;  // EISDIR for a folder of that name
        }
        if (n == 0) {
            break;
        }
        content.append(buffer, static_cast<size_t>(n));
    }
    return content;
}

bool UpdateFileDurably(const std::string& path, const FileEdit& edit, std::string& error,
                       std::optional<FileStamp>* written) {
    const std::string folder = FolderOf(path);
    Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir.ok()) {
        error = FailureMessage(path, errno);
        return false;
    }
    while (::flock(dir.get(), LOCK_EX) != 0) {
        if (errno != EINTR) {
            error = FailureMessage(path, errno);
            return false;
        }
    }

    struct stat target {};
    const bool exists = ::stat(path.c_str(), &target) == 0;
    if (exists && S_ISDIR(target.st_mode)) {
        error = FailureMessage(path, EISDIR);
        return false;
    }
    if (written != nullptr) {
        written->reset();
    }
    std::optional<std::string> current;
    if (exists) {
        current = ReadWholeFile(path);
        if (!current) {
            // Rewriting a file we could not read would throw its content away.
            error = FailureMessage(path, errno != 0 ? errno : EIO);
            return false;
        }
    }
    const std::optional<std::string> next = edit(current);
    if (!next) {
        return true;
    }

    const std::string temp = path + ".tmp";
    const mode_t mode = exists ? (target.st_mode & 07777) : 0644;
    Fd out(::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode));
    if (!out.ok()) {
        error = FailureMessage(path, errno);
        return false;
    }
    if (!WriteAll(out.get(), *next) || ::fsync(out.get()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        error = FailureMessage(path, err);
        return false;
    }
    struct stat staged {};
    const bool haveStamp = ::fstat(out.get(), &staged) == 0;
    if (::close(out.release()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        error = FailureMessage(path, err);
        return false;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        error = FailureMessage(path, err);
        return false;
    }
    // Without this the rename could be lost on power failure, leaving the
    // old content; the data itself is already safe.
    ::fsync(dir.get());
    if (written != nullptr && haveStamp) {
        *written = StampFromStat(staged);
    }
    return true;
}

bool ReplaceFileDurably(const std::string& path, std::string_view content, std::string& error) {
    return UpdateFileDurably(
        path, [content](const std::optional<std::string>&) { return std::string(content); }, error);
}

}  // namespace velmora
