#include "app/DesktopFileDialogService.h"

#include <QFileDialog>
#include <QFontDialog>

namespace velmora {

std::vector<std::string> DesktopFileDialogService::OpenFileNames(QWidget* parent,
                                                                 const QString& title,
                                                                 const QString& filter) {
    std::vector<std::string> paths;
    for (const QString& name : QFileDialog::getOpenFileNames(parent, title, QString(), filter)) {
        paths.push_back(name.toStdString());
    }
    return paths;
}

std::optional<QString> DesktopFileDialogService::ChooseFontFamily(QWidget* parent,
                                                                  const QFont& initial) {
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, initial, parent);
    if (!chosen) {
        return std::nullopt;
    }
    return font.family();
}

}  // namespace velmora
