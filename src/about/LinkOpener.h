#pragma once

#include <QString>

namespace velmora {

// Opens a web address in the user's browser. Code is what the desktop
// reported on failure (0 when it told nothing).
struct LinkOpenResult {
    bool Opened = false;
    int Code = 0;
};

class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    virtual LinkOpenResult Open(const QString& url) = 0;
};

}  // namespace velmora
