#include "about/DesktopLinkOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace velmora {

LinkOpenResult DesktopLinkOpener::Open(const QString& url) {
    // The desktop answers only yes or no; there is no code to pass on.
    return {QDesktopServices::openUrl(QUrl(url)), 0};
}

}  // namespace velmora
