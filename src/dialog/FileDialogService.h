#pragma once

#include <QFont>
#include <QString>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace velmora {

// Open-file and font dialogs go through this, so a test can preset what
// the user picks instead of fighting a modal loop.
class FileDialogService {
public:
    virtual ~FileDialogService() = default;

    // The files chosen (several may be), in the order the dialog gives
    // them, as UTF-8 paths; empty when the user cancels. `filter` is in
    // Qt's form ("名前 (*)"); empty shows every file.
    virtual std::vector<std::string> OpenFileNames(QWidget* parent, const QString& title,
                                                   const QString& filter) = 0;
    // The face name of the font chosen, starting from `initial`; nullopt
    // when the user cancels.
    virtual std::optional<QString> ChooseFontFamily(QWidget* parent, const QFont& initial) = 0;
};

}  // namespace velmora
