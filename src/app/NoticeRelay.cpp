#include "app/NoticeRelay.h"

#include "app/MessageService.h"
#include "settings/NoticeRoutine.h"

namespace velmora {
namespace {

QString Caption() {
    return QStringLiteral("ベルモラ");
}

}  // namespace

void NoticeRelay::ShowNotice(const std::string& text) {
    if (routine_ != nullptr) {
        routine_->ShowNotice(text);
    } else {
        ShowMessage(text);
    }
}

void NoticeRelay::ShowMessage(const std::string& text) {
    if (routine_ != nullptr) {
        routine_->ShowMessage(text);
    } else {
        messages_.Show(Caption(), QString::fromStdString(text), MessageService::Icon::None);
    }
}

bool NoticeRelay::AskYesNo(const std::string& text) {
    if (routine_ != nullptr) {
        return routine_->Ask(text);
    }
    return messages_.Ask(Caption(), QString::fromStdString(text));
}

}  // namespace velmora
