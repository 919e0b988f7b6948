#pragma once

#include "dialog/FileDialogService.h"

namespace velmora {

// The desktop's own dialogs.
class DesktopFileDialogService final : public FileDialogService {
public:
    std::vector<std::string> OpenFileNames(QWidget* parent, const QString& title,
                                           const QString& filter) override;
    std::optional<QString> ChooseFontFamily(QWidget* parent, const QFont& initial) override;
};

}  // namespace velmora
