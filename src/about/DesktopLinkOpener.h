#pragma once

#include "about/LinkOpener.h"

namespace velmora {

// The desktop's own way: the browser the user has chosen.
class DesktopLinkOpener final : public LinkOpener {
public:
    LinkOpenResult Open(const QString& url) override;
};

}  // namespace velmora
