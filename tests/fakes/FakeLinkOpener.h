#pragma once

#include <QString>
#include <vector>

#include "about/LinkOpener.h"

namespace velmora::test {

// Remembers every address it was asked to open and answers as told.
class FakeLinkOpener final : public LinkOpener {
public:
    LinkOpenResult Open(const QString& url) override {
        opened.push_back(url);
        return answer;
    }
    LinkOpenResult answer{true, 0};
    std::vector<QString> opened;
};

}  // namespace velmora::test
