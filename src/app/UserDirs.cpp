#include "app/UserDirs.h"

#include "base/TextUtil.h"

namespace velmora {

std::optional<std::string> DocumentsDirFromUserDirs(std::string_view content,
                                                    const std::string& home) {
    for (const std::string& rawLine : SplitLines(content)) {
        const std::string_view line = Trim(rawLine);
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos || Trim(line.substr(0, eq)) != "XDG_DOCUMENTS_DIR") {
            continue;
        }
        std::string_view value = Trim(line.substr(eq + 1));
        if (value.size() < 2 || value.front() != '"' || value.back() != '"') {
            return std::nullopt;
        }
        value = value.substr(1, value.size() - 2);
        std::string path;
        if (StartsWith(value, "$HOME")) {
            path = home + std::string(value.substr(5));
        } else if (StartsWith(value, "/")) {
            path = std::string(value);
        } else {
            return std::nullopt;
        }
        while (path.size() > 1 && path.back() == '/') {
            path.pop_back();
        }
        return path;
    }
    return std::nullopt;
}

}  // namespace velmora
