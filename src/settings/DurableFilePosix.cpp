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

std::string ReadReasonOf(int err) {
    switch (err) {
        case ENXIO:  // a socket, or a device with nothing behind it
            return "通常のファイルではありません（名前付きパイプや装置など）。";
        case EACCES:
        case EPERM:
            return "読み込む権限がありません。";
        default:
            return ReasonOf(err);
    }
}

std::string TooLargeReason() {
    return "ファイルが大きすぎます（" + std::to_string(kMaxReadBytes >> 20) + " MB まで）。";
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

std::optional<std::string> ReadWholeFile(const std::string& path, std::string* whyNot) {
    const auto fail = [whyNot](std::string reason) -> std::optional<std::string> {
        if (whyNot != nullptr) {
            *whyNot = std::move(reason);
        }
        return std::nullopt;
    };
    // Non-blocking, so opening a named pipe does not wait for a writer.
    Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.ok()) {
        return fail(errno == ENOENT || errno == ENOTDIR ? std::string() : ReadReasonOf(errno));
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        return fail(ReadReasonOf(errno));
    }
    if (S_ISDIR(st.st_mode)) {
        return fail(ReadReasonOf(EISDIR));
    }
    if (!S_ISREG(st.st_mode)) {
        return fail(ReadReasonOf(ENXIO));
    }
    if (st.st_size > kMaxReadBytes) {
        return fail(TooLargeReason());
    }
    std::string content;
    content.reserve(static_cast<size_t>(st.st_size));
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return fail(ReadReasonOf(errno));
        }
        if (n == 0) {
            break;
        }
        content.append(buffer, static_cast<size_t>(n));
        // The file may grow while we read, and some files report no size.
        if (content.size() > static_cast<size_t>(kMaxReadBytes)) {
            return fail(TooLargeReason());
        }
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
        std::string whyNot;
        current = ReadWholeFile(path, &whyNot);
        // Rewriting a file we could not read would throw its content away
        // (one that went meanwhile has nothing left to lose).
        if (!current && !whyNot.empty()) {
            error = "「" + path + "」に書き込めません。\n" + whyNot;
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
