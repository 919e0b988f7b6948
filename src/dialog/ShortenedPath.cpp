#include "dialog/ShortenedPath.h"

#include <vector>

namespace velmora {

std::string ShortenedPath(const std::string& path,
                          const std::function<bool(const std::string&)>& fits) {
    if (fits(path)) {
        return path;
    }
    const bool rooted = !path.empty() && path.front() == '/';
    std::vector<std::string> parts;
    size_t start = rooted ? 1 : 0;
    for (size_t slash = path.find('/', start); slash != std::string::npos;
         slash = path.find('/', start)) {
        parts.push_back(path.substr(start, slash - start));
        start = slash + 1;
    }
    const std::string fileName = path.substr(start);
    const std::string head = rooted ? "/..." : "...";
    std::string text = path;
    for (size_t dropped = 1; dropped <= parts.size(); ++dropped) {
        text = head;
        for (size_t i = dropped; i < parts.size(); ++i) {
            text += '/' + parts[i];
        }
        text += '/' + fileName;
        if (fits(text)) {
            break;
        }
    }
    return text;
}

}  // namespace velmora
