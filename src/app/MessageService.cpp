#include "app/MessageService.h"

#include <QMessageBox>

namespace velmora {
namespace {

QMessageBox::Icon BoxIcon(MessageService::Icon icon) {
    switch (icon) {
        case MessageService::Icon::None:
            return QMessageBox::NoIcon;
        case MessageService::Icon::Information:
            return QMessageBox::Information;
        case MessageService::Icon::Warning:
            return QMessageBox::Warning;
        case MessageService::Icon::Error:
            return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void BoxMessageService::Show(const QString& caption, const QString& text, Icon icon) {
    QMessageBox box(BoxIcon(icon), caption, text, QMessageBox::Ok);
    box.exec();
}

bool BoxMessageService::Ask(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace velmora
