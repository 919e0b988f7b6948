#pragma once

#include <QAccessible>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace velmora::test {

// The controls of `window` that the keyboard reaches but a screen reader
// could only announce by their kind ("edit", "slider"): no accessible name.
// A combo box's own popup, a window of its own, is not counted.
inline QStringList NamelessControls(const QWidget& window) {
    QStringList nameless;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || w->window() != &window) {
            continue;
        }
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(w);
        if (control == nullptr || control->text(QAccessible::Name).trimmed().isEmpty()) {
            nameless << QString::fromLatin1(w->metaObject()->className()) + QStringLiteral(" ") +
                            w->objectName();
        }
    }
    return nameless;
}

}  // namespace velmora::test
