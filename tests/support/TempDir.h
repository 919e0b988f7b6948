#pragma once

#include <string>

namespace velmora::test {

// A fresh folder under the system temp folder, removed with everything in
// it when the object goes. Path() ends with a slash.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

// Writes bytes exactly as given (no newline translation).
void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);

}  // namespace velmora::test
