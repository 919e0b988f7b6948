#include "app/BoxMessageService.h"

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

void BoxMessageService::Show(const std::string& caption, const std::string& text, Icon icon) {
    QMessageBox box(BoxIcon(icon), QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Ok);
    box.exec();
}

bool BoxMessageService::Ask(const std::string& caption, const std::string& text) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace velmora
