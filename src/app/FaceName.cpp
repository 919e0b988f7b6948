#include "app/FaceName.h"

#include <QFontDatabase>
#include <QWidget>

namespace velmora {
namespace {

void Replace(QWidget& widget, const QString& family) {
    QFont font = widget.font();
    font.setFamilies({family});
    widget.setFont(font);
}

}  // namespace

void ApplyFaceName(QWidget& window, const QString& family) {
    Replace(window, family);
    // The others inherit the window's font.
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (child->testAttribute(Qt::WA_SetFont)) {
            Replace(*child, family);
        }
    }
}

bool FaceInstalled(const QString& family) {
    return QFontDatabase::families().contains(family, Qt::CaseSensitive);
}

}  // namespace velmora
