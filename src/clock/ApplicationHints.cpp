#include "clock/ApplicationHints.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPalette>
#include <QToolTip>
#include <QWidget>

#include "clock/ClockHints.h"

namespace velmora {

ApplicationHints::ApplicationHints(QObject* parent) : QObject(parent) {
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase, Qt::white);
    palette.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(palette);
    qApp->installEventFilter(this);
}

ApplicationHints::~ApplicationHints() {
    if (qApp != nullptr) {
        qApp->removeEventFilter(this);
    }
}

bool ApplicationHints::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip || !watched->isWidgetType()) {
        return false;
    }
    auto* widget = static_cast<QWidget*>(watched);
    const auto replacement = DialogHintFor(widget->objectName().toStdString());
    const QString text = replacement ? QString::fromStdString(*replacement) : widget->toolTip();
    if (text.isEmpty()) {
        return false;  // the parent's hint, if any, gets its turn
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    QToolTip::showText(help->globalPos(), text, widget, QRect(), kHintShowMs);
    return true;
}

}  // namespace velmora
