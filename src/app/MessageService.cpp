#include "app/MessageService.h"

#include <QMessageBox>

namespace velmora {

void BoxMessageService::Show(const QString& caption, const QString& text, Icon icon) {
    QMessageBox box(icon == Icon::Information ? QMessageBox::Information
                    : icon == Icon::Warning   ? QMessageBox::Warning
                                              : QMessageBox::Critical,
                    caption, text, QMessageBox::Ok);
    box.exec();
}

bool BoxMessageService::Ask(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace velmora
