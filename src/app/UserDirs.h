#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// The documents folder named by an XDG user-dirs file (the content of
// ~/.config/user-dirs.dirs): the XDG_DOCUMENTS_DIR line, "$HOME" expanded.
// nullopt when the file names none, or names a relative path.
std::optional<std::string> DocumentsDirFromUserDirs(std::string_view content,
                                                    const std::string& home);

}  // namespace velmora
