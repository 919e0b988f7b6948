#pragma once

#include <functional>
#include <string>

namespace velmora {

// A long path as a list shows it: leading folders are replaced by "..."
// one after another until `fits` accepts the text; the file name itself is
// always kept whole. "/home/a/b/song.mp3" becomes "/.../b/song.mp3" and, at
// the shortest, "/.../song.mp3".
std::string ShortenedPath(const std::string& path,
                          const std::function<bool(const std::string&)>& fits);

}  // namespace velmora
