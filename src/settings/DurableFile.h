#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// What identifies one version of a file on disk: a replacement always gets
// a new inode, and an edit in place changes the time or the size.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

std::optional<FileStamp> StampOf(const std::string& path);

// Larger files are refused: every file the program reads is far smaller,
// and this keeps a stray disk image from filling memory.
inline constexpr std::int64_t kMaxReadBytes = 8 << 20;

// The whole content, or nullopt when the file is missing or cannot be read.
// Only regular files are read: a named pipe or a device (a link to
// /dev/zero) would wait forever or never end. `whyNot`, when given, then
// receives the reason in Japanese ("通常のファイルではありません。"), or
// stays empty when the file is simply not there.
std::optional<std::string> ReadWholeFile(const std::string& path, std::string* whyNot = nullptr);

// Gets the file's current content (nullopt when there is none) and returns
// the new content, or nullopt to leave the file alone.
using FileEdit = std::function<std::optional<std::string>(const std::optional<std::string>&)>;

// Read-modify-write that never leaves a half-written file: the new content
// goes to a temporary file beside the target, reaches the disk, and is then
// renamed over the target, and the rename itself is made durable. Writers of
// the same folder are serialised by a lock on the folder, so two processes
// cannot lose each other's changes. On failure the target is untouched and
// `error` holds a Japanese message that names the file. When `written` is
// given it receives the stamp of the new file, taken while the lock is still
// held, so a caller can trust a copy it keeps of what it wrote.
bool UpdateFileDurably(const std::string& path, const FileEdit& edit, std::string& error,
                       std::optional<FileStamp>* written = nullptr);

bool ReplaceFileDurably(const std::string& path, std::string_view content, std::string& error);

}  // namespace velmora
