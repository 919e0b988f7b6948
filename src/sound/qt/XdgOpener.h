#pragma once

#include <QString>

#include "sound/DesktopOpener.h"

namespace velmora {

// Opens a file with the desktop's program for its type through xdg-open.
// The result passed on failure is xdg-open's exit status, or 127 when it
// could not be run at all.
class XdgOpener final : public DesktopOpener {
public:
    static constexpr int kNotStarted = 127;

    explicit XdgOpener(QString program = QStringLiteral("xdg-open"));
    void OpenWithAssociatedProgram(const std::string& path,
                                   std::function<void(int result)> failed) override;

private:
    QString program_;
};

}  // namespace velmora
